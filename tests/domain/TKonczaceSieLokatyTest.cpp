#include "LokatyZOfertamiFixture.h"

#include "domain/TKonczaceSieLokaty.h"

namespace {

using KonczaceSieLokatyTest = LokatyZOfertamiFixture;

std::vector<int32_t> Id(const std::vector<const TLokata*>& lista) {
    std::vector<int32_t> ids;
    for (const TLokata* l : lista)
        ids.push_back(l->Id());
    return ids;
}

TEST_F(KonczaceSieLokatyTest, OverdueAndEndingWithinTheDaysAtTheirEdges) {
    struct Case {
        const char* opis;
        TDateTime koniec;
        int dniDoKonca;
        bool poTerminie;
        bool konczaca;
    } cases[] = {
        {"today", EncodeDate(2026, 12, 10), 0, false, true},
        {"tomorrow", EncodeDate(2026, 12, 11), 1, false, true},
        {"in 7 days", EncodeDate(2026, 12, 17), 7, false, true},
        {"in 8 days", EncodeDate(2026, 12, 18), 8, false, false},
        {"yesterday", EncodeDate(2026, 12, 9), -1, true, false},
        {"months ago", EncodeDate(2026, 6, 30), -163, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        lokaty.clear();
        const TLokata& lokata = Lokata(1, 1000, -1, c.koniec);
        EXPECT_EQ(TKonczaceSieLokaty::DniDoKonca(lokata, Now()), c.dniDoKonca);
        const TKonczaceSieLokaty konczace(lokaty, Now(), 7);
        EXPECT_EQ(konczace.PoTerminie().size(), c.poTerminie ? 1u : 0u);
        EXPECT_EQ(konczace.Konczace().size(), c.konczaca ? 1u : 0u);
    }
}

TEST_F(KonczaceSieLokatyTest, AcrossTheYearEnd) {
    zegar.set(EncodeDateTime(2026, 12, 28, 23, 30));
    Lokata(1, 1000, -1, EncodeDate(2027, 1, 4));
    Lokata(2, 1000, -1, EncodeDate(2027, 1, 5));
    const TKonczaceSieLokaty konczace(lokaty, Now(), 7);
    EXPECT_EQ(Id(konczace.Konczace()), (std::vector<int32_t>{1}));
}

TEST_F(KonczaceSieLokatyTest, OnlyActiveDepositsOverdueFirstEachByEndDate) {
    Lokata(1, 1000, -1, EncodeDate(2026, 12, 15));
    Lokata(2, 1000, -1, EncodeDate(2026, 12, 1));
    Lokata(3, 1000, -1, EncodeDate(2026, 12, 10));
    Lokata(4, 1000, -1, EncodeDate(2025, 12, 1));
    Lokata(5, 1000, -1, EncodeDate(2026, 12, 11), false);
    Lokata(6, 1000, -1, EncodeDate(2026, 12, 1)).SetZmiany(TTypModyfikacji::Usunieto);
    Lokata(7, 1000, -1, EncodeDate(2027, 12, 1));

    const TKonczaceSieLokaty konczace(lokaty, Now(), 7);
    EXPECT_EQ(Id(konczace.PoTerminie()), (std::vector<int32_t>{4, 2}));
    EXPECT_EQ(Id(konczace.Konczace()), (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(Id(konczace.Wszystkie()), (std::vector<int32_t>{4, 2, 3, 1}));
    EXPECT_EQ(konczace.Tekst(), "Lokaty po terminie: 2,   kończące się w ciągu 7 dni: 2");

    const TKonczaceSieLokaty jutro(lokaty, Now(), 1);
    EXPECT_EQ(Id(jutro.Konczace()), (std::vector<int32_t>{3}));
    EXPECT_EQ(jutro.Tekst(), "Lokaty po terminie: 2,   kończące się w ciągu 1 dnia: 1");
}

TEST_F(KonczaceSieLokatyTest, NothingToAnnounce) {
    Lokata(1, 1000, -1, EncodeDate(2027, 1, 1));
    const TKonczaceSieLokaty konczace(lokaty, Now(), 7);
    EXPECT_TRUE(konczace.Puste());
    EXPECT_TRUE(konczace.Tekst().isEmpty());
    EXPECT_EQ(konczace.TekstBraku(), "Brak lokat po terminie i kończących się w ciągu 7 dni.");
}

} // namespace
