#include "LokatyZOfertamiFixture.h"

#include "domain/TKursEUR.h"
#include "domain/TWiekOferty.h"

namespace {

using WiekOfertyTest = LokatyZOfertamiFixture;

TEST_F(WiekOfertyTest, AgeCountsCalendarDaysAcrossMonthAndYearEnds) {
    struct Case {
        TDateTime dodana;
        TDateTime dzis;
        int dni;
        bool nieaktualnaPo30;
    } cases[] = {
        {EncodeDate(2026, 7, 20), EncodeDateTime(2026, 12, 10, 10, 0), 143, true},
        {EncodeDateTime(2026, 2, 28, 23, 59), EncodeDateTime(2026, 3, 1, 0, 1), 1, false},
        {EncodeDate(2024, 2, 28), EncodeDate(2024, 3, 1), 2, false},
        {EncodeDateTime(2025, 12, 31, 23, 59), EncodeDateTime(2026, 1, 1, 0, 1), 1, false},
        {EncodeDate(2025, 12, 2), EncodeDate(2026, 1, 1), 30, false},
        {EncodeDateTime(2025, 12, 1, 8, 0), EncodeDateTime(2026, 1, 1, 7, 0), 31, true},
        {EncodeDate(2025, 1, 31), EncodeDate(2026, 1, 31), 365, true},
        {EncodeDateTime(2026, 12, 10, 9, 0), EncodeDateTime(2026, 12, 10, 18, 0), 0, false},
        // Dated after today (a clock set back): new, not negative.
        {EncodeDate(2026, 12, 20), EncodeDate(2026, 12, 10), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DataWFormacieISO(c.dodana).toStdString());
        THarmonogramLokatyBankowej& oferta = Oferta(1, "Alfa Bank", 0, c.dodana);
        EXPECT_EQ(TWiekOferty::DniOdAktualizacji(oferta, c.dzis), c.dni);
        EXPECT_EQ(TWiekOferty::Nieaktualna(oferta, c.dzis, 30), c.nieaktualnaPo30);
    }
}

TEST_F(WiekOfertyTest, TooltipNamesTheAgeAndTheDay) {
    const THarmonogramLokatyBankowej& stara =
        Oferta(1, "A", 0, EncodeDateTime(2026, 7, 20, 15, 30));
    const THarmonogramLokatyBankowej& wczorajsza = Oferta(2, "A", 0, EncodeDate(2026, 12, 9));
    EXPECT_EQ(TWiekOferty::Podpowiedz(stara, Now()),
              "dane sprzed 143 dni (2026-07-20) — sprawdź aktualną ofertę banku");
    EXPECT_EQ(TWiekOferty::Podpowiedz(wczorajsza, Now()),
              "dane sprzed 1 dnia (2026-12-09) — sprawdź aktualną ofertę banku");
    EXPECT_EQ(TWiekOferty::TekstWieku(0), "dziś");
    EXPECT_EQ(TWiekOferty::TekstWieku(1), "1 dzień");
    EXPECT_EQ(TWiekOferty::TekstWieku(143), "143 dni");
}

TEST_F(WiekOfertyTest, CountsStaleOffersOfTheCatalogueWithoutDeletedOnes) {
    Oferta(1, "A", 0, EncodeDate(2026, 11, 10)); // 30 days: current
    Oferta(2, "A", 0, EncodeDate(2026, 11, 9));  // 31 days
    Oferta(3, "B", 0, EncodeDate(2025, 1, 1));   // 708 days
    Oferta(4, "B", 0, EncodeDate(2025, 1, 1)).fZmiany = TTypModyfikacji::Usunieto;
    EXPECT_EQ(TWiekOferty::IleNieaktualnych(oferty, Now(), 30), 2);
    EXPECT_EQ(TWiekOferty::IleNieaktualnych(oferty, Now(), 29), 3);
    EXPECT_EQ(TWiekOferty::IleNieaktualnych(oferty, Now(), 708), 0);
    EXPECT_EQ(TWiekOferty::Podsumowanie(2, 30), "starsze niż 30 dni: 2");
}

} // namespace
