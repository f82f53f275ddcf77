#include "LokatyZOfertamiFixture.h"

#include "domain/TGwarancjeBFG.h"
#include "format/Formatowanie.h"

#include <cmath>

namespace {

// The rate of the examples: 100,000 EUR ≈ 426,300 zł.
const TKursEUR kKursNBP{4.2630, EncodeDate(2026, 12, 9), TZrodloKursu::NBP};

// The texts of the tests are written with plain blanks between thousands;
// the formats may group with another blank (a no-break space).
QString Tekst(QString tekst) {
    return tekst.replace(QStringLiteral("_"), FormatyProcesu().ThousandSeparator);
}

class GwarancjeBFGTest : public LokatyZOfertamiFixture {
protected:
    TGwarancjeBFG Gwarancje(const std::vector<TParaBankow>& pary = {},
                            const TKursEUR& kurs = kKursNBP) const {
        return TGwarancjeBFG(lokaty, oferty, pary, kurs);
    }
};

struct Wiersz {
    QString bank;
    int liczbaLokat;
    double razem;
    double nadwyzka;
    bool operator==(const Wiersz&) const = default;
};

void PrintTo(const Wiersz& w, std::ostream* os) {
    *os << w.bank.toStdString() << " " << w.liczbaLokat << " " << w.razem << " " << w.nadwyzka;
}

std::vector<Wiersz> Wiersze(const TGwarancjeBFG& g) {
    std::vector<Wiersz> wiersze;
    for (const TSumaBanku& s : g.Banki())
        wiersze.push_back({s.bank, s.liczbaLokat, s.Razem(), g.Nadwyzka(s)});
    return wiersze;
}

TEST_F(GwarancjeBFGTest, SumsPerInstitutionSortedByTotal) {
    struct Lok {
        int32_t oferta;
        double kwota;
        bool aktywna = true;
        bool usunieta = false;
    };
    struct Case {
        const char* opis;
        std::vector<Lok> lokaty;
        std::vector<TParaBankow> pary;
        std::vector<Wiersz> banki;
    } cases[] = {
        {"names equal but for letter case are one bank, spelled as first met",
         {{1, 300000}, {2, 200000}, {3, 1000}},
         {},
         {{"mBank", 2, 500000, 73700}, {"Alfa Bank", 1, 1000, 0}}},
        {"brands joined by the user",
         {{3, 300000}, {4, 200000}, {5, 100000}},
         {{"alfa bank", "Alfa Direct"}},
         {{"Alfa Bank / Alfa Direct", 2, 500000, 73700}, {"Beta", 1, 100000, 0}}},
        {"a chain of pairs joins through a bank without deposits",
         {{3, 1000}, {5, 2000}},
         {{"Alfa Bank", "Gamma"}, {"Gamma", "Beta"}},
         {{"Alfa Bank / Beta", 2, 3000, 0}}},
        {"a pair naming no deposit's bank changes nothing",
         {{3, 1000}, {5, 2000}},
         {{"Alfa Bank", "Delta"}},
         {{"Beta", 1, 2000, 0}, {"Alfa Bank", 1, 1000, 0}}},
        {"inactive and deleted deposits are left out",
         {{3, 1000}, {3, 500000, false}, {3, 700000, true, true}},
         {},
         {{"Alfa Bank", 1, 1000, 0}}},
        {"exactly at the limit is not over it", {{3, 426300}}, {}, {{"Alfa Bank", 1, 426300, 0}}},
        {"one grosz over", {{3, 426300.01}}, {}, {{"Alfa Bank", 1, 426300.01, 0.01}}},
        {"equal totals in name order",
         {{5, 10}, {3, 10}},
         {},
         {{"Alfa Bank", 1, 10, 0}, {"Beta", 1, 10, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        lokaty.clear();
        oferty.clear();
        Oferta(1, "mBank");
        Oferta(2, "MBANK");
        Oferta(3, "Alfa Bank");
        Oferta(4, "Alfa Direct");
        Oferta(5, "Beta");
        int32_t id = 0;
        for (const Lok& l : c.lokaty) {
            TLokata& lokata = Lokata(++id, l.kwota, l.oferta, 0, l.aktywna);
            if (l.usunieta)
                lokata.SetZmiany(TTypModyfikacji::Usunieto);
        }
        const TGwarancjeBFG g = Gwarancje(c.pary);
        EXPECT_EQ(Wiersze(g), c.banki);
        EXPECT_FALSE(g.BezBanku().has_value());
    }
}

TEST_F(GwarancjeBFGTest, DepositsWithoutAnOfferAreSummedApartAndNeverOverTheLimit) {
    Oferta(1, "Alfa Bank");
    Lokata(1, 1000, 1);
    Lokata(2, 400000, -1);
    Lokata(3, 300000, 99); // its offer is no longer in the catalogue
    Lokata(4, 50000, -1, 0, false);

    const TGwarancjeBFG g = Gwarancje();
    EXPECT_EQ(Wiersze(g), (std::vector<Wiersz>{{"Alfa Bank", 1, 1000, 0}}));
    ASSERT_TRUE(g.BezBanku().has_value());
    EXPECT_EQ(g.BezBanku()->bank, "bez przypisanego banku");
    EXPECT_EQ(g.BezBanku()->liczbaLokat, 2);
    EXPECT_DOUBLE_EQ(g.BezBanku()->Razem(), 700000);
    EXPECT_TRUE(g.Ostrzezenia().isEmpty());
}

TEST_F(GwarancjeBFGTest, TheSumCountsTheEstimatedProfitTheDepositListShows) {
    Oferta(1, "Bank Północny", 5);
    // A second offer of the same id: the list takes the first one.
    Oferta(1, "Bank Północny", 0);
    TLokata& pierwsza = Lokata(1, 10000, 1);
    // Past its end but still active: it counts until the user ends it.
    TLokata& druga = Lokata(2, 20000, 1, EncodeDate(2026, 12, 1), true, 90);

    const TGwarancjeBFG g = Gwarancje();
    ASSERT_EQ(g.Banki().size(), 1u);
    const TSumaBanku& s = g.Banki()[0];
    const double zysk = pierwsza.ObliczSzacowanyZyskZLokaty(oferty[0].get()) +
                        druga.ObliczSzacowanyZyskZLokaty(oferty[0].get());
    EXPECT_GT(zysk, 200);
    EXPECT_DOUBLE_EQ(s.kwota, 30000);
    EXPECT_DOUBLE_EQ(s.szacowanyZysk, zysk);
    EXPECT_DOUBLE_EQ(s.Razem(), 30000 + zysk);
    EXPECT_EQ(s.lokaty, (std::vector<const TLokata*>{&pierwsza, &druga}));
}

TEST_F(GwarancjeBFGTest, TheLimitFollowsTheRateOfEachSource) {
    Oferta(1, "Alfa Bank");
    Lokata(1, 430000, 1);
    struct Case {
        TKursEUR kurs;
        double limit;
        QString opis;
        QString zrodlo;
    } cases[] = {
        {kKursNBP, 426300, "kurs NBP z 2026-12-09", "NBP"},
        {{4.3, EncodeDate(2026, 11, 30), TZrodloKursu::Zapisany},
         430000,
         "kurs NBP z 2026-11-30",
         "zapisany"},
        {TKursEUR::Wbudowany(), 427300, "kurs NBP z 2024-12-31 (brak połączenia)", "wbudowany"},
        {{4.5, 0, TZrodloKursu::Podany}, 450000, "kurs podany 4,5000", "podany"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis.toStdString());
        const TGwarancjeBFG g = Gwarancje({}, c.kurs);
        EXPECT_DOUBLE_EQ(g.Limit(), c.limit);
        EXPECT_EQ(g.Kurs().Opis(), c.opis);
        EXPECT_EQ(g.Kurs().NazwaZrodla(), c.zrodlo);
        EXPECT_DOUBLE_EQ(g.Nadwyzka(g.Banki()[0]), std::max(0.0, 430000 - c.limit));
        EXPECT_EQ(g.Ostrzezenia().size(), c.limit < 430000 ? 1 : 0);
    }
}

TEST_F(GwarancjeBFGTest, WarningLineNamesBankTotalExcessAndLimitWithItsRate) {
    Oferta(1, "X");
    Oferta(2, "Y");
    Lokata(1, 500000, 1);
    Lokata(2, 12300, 1);
    Lokata(3, 1000, 2);

    const TGwarancjeBFG g = Gwarancje();
    EXPECT_EQ(g.Ostrzezenia(),
              QStringList{Tekst("W banku X: 512_300,00 zł — o 86_000,00 zł ponad gwarancję BFG "
                                "(100_000 EUR ≈ 426_300,00 zł, kurs NBP z 2026-12-09)")});
    EXPECT_TRUE(g.PodpowiedzOstrzezen().contains("na jedną osobę"));
    EXPECT_TRUE(g.PodpowiedzOstrzezen().contains("Lokata wspólna"));
}

TEST_F(GwarancjeBFGTest, AnOfferIsMarkedWhenTheNewAmountTakesItsInstitutionOverTheLimit) {
    Oferta(1, "Alfa Bank");
    Oferta(2, "Alfa Direct");
    Lokata(1, 400000, 1);

    const TGwarancjeBFG g = Gwarancje({{"Alfa Bank", "Alfa Direct"}});
    EXPECT_DOUBLE_EQ(g.NadwyzkaPoDodaniu("Alfa Direct", 26300), 0);
    EXPECT_TRUE(g.TekstNadwyzkiPoDodaniu("Alfa Direct", 26300).isEmpty());
    EXPECT_DOUBLE_EQ(g.NadwyzkaPoDodaniu("ALFA DIRECT", 30000), 3700);
    EXPECT_EQ(g.TekstNadwyzkiPoDodaniu("alfa direct", 30000),
              Tekst("Po założeniu tej lokaty w banku Alfa Bank: 430_000,00 zł — o 3_700,00 zł "
                    "ponad gwarancję BFG (100_000 EUR ≈ 426_300,00 zł, kurs NBP z 2026-12-09)"));
    // A bank without deposits counts the new amount only.
    EXPECT_DOUBLE_EQ(g.NadwyzkaPoDodaniu("Nowy Bank", 426400), 100);
}

TEST(KursEURTest, StoredRateIsUsedWhenValidElseTheBuiltInOne) {
    const TDateTime dzien = EncodeDate(2026, 12, 9);
    const TKursEUR zapisany = TKursEUR::DoUzycia(TKursEUR{4.25, dzien, TZrodloKursu::NBP});
    EXPECT_EQ(zapisany.zrodlo, TZrodloKursu::Zapisany);
    EXPECT_DOUBLE_EQ(zapisany.kurs, 4.25);
    EXPECT_EQ(zapisany.DataISO(), "2026-12-09");
    for (const std::optional<TKursEUR>& brak :
         {std::optional<TKursEUR>{}, std::optional(TKursEUR{0.5, dzien, TZrodloKursu::NBP}),
          std::optional(TKursEUR{20.01, dzien, TZrodloKursu::NBP})}) {
        const TKursEUR kurs = TKursEUR::DoUzycia(brak);
        EXPECT_EQ(kurs.zrodlo, TZrodloKursu::Wbudowany);
        EXPECT_DOUBLE_EQ(kurs.kurs, TKursEUR::kWbudowany);
        EXPECT_EQ(kurs.DataISO(), "2024-12-31");
    }
}

TEST(KursEURTest, RatesOutsideOneToTwentyAreRefused) {
    for (double kurs : {1.0, 4.263, 20.0})
        EXPECT_TRUE(TKursEUR::Prawidlowy(kurs)) << kurs;
    for (double kurs : {0.0, 0.9999, 20.0001, -4.0, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(TKursEUR::Prawidlowy(kurs)) << kurs;
}

TEST(KursEURTest, AtMostOneDownloadADay) {
    const TDateTime dzis = EncodeDateTime(2026, 12, 10, 10, 0);
    EXPECT_TRUE(TKursEUR::PobranieNalezne(std::nullopt, dzis));
    EXPECT_TRUE(TKursEUR::PobranieNalezne(EncodeDateTime(2026, 12, 9, 23, 59), dzis));
    EXPECT_FALSE(TKursEUR::PobranieNalezne(EncodeDateTime(2026, 12, 10, 0, 1), dzis));
    EXPECT_FALSE(TKursEUR::PobranieNalezne(EncodeDate(2026, 12, 10), dzis));
    // A clock set back still allows a download.
    EXPECT_TRUE(TKursEUR::PobranieNalezne(EncodeDate(2026, 12, 11), dzis));
}

} // namespace
