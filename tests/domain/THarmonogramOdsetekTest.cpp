#include "domain/THarmonogramOdsetek.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

TParametryHarmonogramu Lokata(int64_t grosze, TDateTime start, uint16_t okres, J jednostka,
                              const char* oprocentowanie, K kapitalizacja, int podstawa = 365) {
    TParametryHarmonogramu p;
    p.kwota = grosze;
    p.start = start;
    p.okres = okres;
    p.jednostka = jednostka;
    p.oprocentowanie = *TLiczbaDziesietna::ZTekstu(QString::fromUtf8(oprocentowanie));
    p.kapitalizacja = kapitalizacja;
    p.podstawa = podstawa;
    return p;
}

// Days, gross, tax and net of one period, in grosze.
struct Okres {
    int32_t dni;
    int64_t brutto, podatek, netto;
};

struct Przypadek {
    const char* opis;
    TParametryHarmonogramu parametry;
    std::vector<Okres> okresy;
    int64_t brutto, podatek, netto;
    TDateTime koniec;
    double rentownosc;
};

// Worked out by hand: gross = capital × rate / 100 × days / basis rounded half
// up to the grosz, tax = 19 % of it rounded up, the net joins the capital.
TEST(THarmonogramOdsetekTest, HandComputedSchedules) {
    const Przypadek przypadki[] = {
        {"3 months monthly from 31 January of a leap year: 29/31/30 days",
         Lokata(1000000, EncodeDate(2024, 1, 31), 3, J::Miesiac, "5", K::Miesieczna),
         // 1 000 000 × 5 × 29 / 36 500 = 3972.60 → 3973, tax 754.87 → 755
         {{29, 3973, 755, 3218}, {31, 4260, 810, 3450}, {30, 4137, 787, 3350}},
         12370,
         2352,
         10018,
         EncodeDate(2024, 4, 30),
         100.18 / 10000 * 365 / 90 * 100},
        {"the same in a common year: 28/31/30 days",
         Lokata(1000000, EncodeDate(2023, 1, 31), 3, J::Miesiac, "5", K::Miesieczna),
         {{28, 3836, 729, 3107}, {31, 4260, 810, 3450}, {30, 4137, 787, 3350}},
         12233,
         2326,
         9907,
         EncodeDate(2023, 4, 30),
         99.07 / 10000 * 365 / 89 * 100},
        {"30 days daily: 136.99 → 137 gr a day until the capital reaches 10 037,50 zł",
         Lokata(1000000, EncodeDate(2024, 1, 1), 30, J::Dzien, "5", K::Dzienna),
         std::vector<Okres>(30, {1, 137, 27, 110}), 4110, 810, 3300, EncodeDate(2024, 1, 31),
         33.0 / 10000 * 365 / 30 * 100},
        {"1 year yearly: 500 zł gross, 95 zł tax",
         Lokata(1000000, EncodeDate(2025, 1, 1), 1, J::Rok, "5", K::Roczna),
         {{365, 50000, 9500, 40500}},
         50000,
         9500,
         40500,
         EncodeDate(2026, 1, 1),
         4.05},
        {"gross 0,01 zł is taxed 0,01 zł",
         Lokata(10000, EncodeDate(2025, 1, 1), 1, J::Dzien, "3,65", K::Dzienna),
         {{1, 1, 1, 0}},
         1,
         1,
         0,
         EncodeDate(2025, 1, 2),
         0},
        {"gross 1,00 zł is taxed 0,19 zł",
         Lokata(1000000, EncodeDate(2025, 1, 1), 1, J::Dzien, "3.65", K::Dzienna),
         {{1, 100, 19, 81}},
         100,
         19,
         81,
         EncodeDate(2025, 1, 2),
         0.81 / 10000 * 365 * 100},
        {"half a grosz of gross rounds up",
         Lokata(1000, EncodeDate(2025, 1, 1), 1, J::Dzien, "18,25", K::Dzienna),
         {{1, 1, 1, 0}},
         1,
         1,
         0,
         EncodeDate(2025, 1, 2),
         0},
        {"after the term, basis 365: 24 794.52 → 24 795",
         Lokata(1000000, EncodeDate(2025, 1, 1), 6, J::Miesiac, "5", K::PoOkresieUmowy),
         {{181, 24795, 4712, 20083}},
         24795,
         4712,
         20083,
         EncodeDate(2025, 7, 1),
         200.83 / 10000 * 365 / 181 * 100},
        {"after the term, basis 360: 25 138.89 → 25 139",
         Lokata(1000000, EncodeDate(2025, 1, 1), 6, J::Miesiac, "5", K::PoOkresieUmowy, 360),
         {{181, 25139, 4777, 20362}},
         25139,
         4777,
         20362,
         EncodeDate(2025, 7, 1),
         203.62 / 10000 * 365 / 181 * 100},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        const auto h = THarmonogramOdsetek::Oblicz(p.parametry, true);
        ASSERT_EQ(h.Okresy().size(), p.okresy.size());
        int64_t kapital = p.parametry.kwota;
        for (size_t i = 0; i < p.okresy.size(); ++i) {
            const TOkresOdsetkowy& o = h.Okresy()[i];
            kapital += p.okresy[i].netto;
            EXPECT_EQ(o.dni, p.okresy[i].dni) << i;
            EXPECT_EQ(o.odsetkiBrutto, p.okresy[i].brutto) << i;
            EXPECT_EQ(o.podatek, p.okresy[i].podatek) << i;
            EXPECT_EQ(o.odsetkiNetto, p.okresy[i].netto) << i;
            EXPECT_EQ(o.kapital, kapital) << i;
            EXPECT_EQ(o.do_ - o.od, o.dni) << i;
        }
        EXPECT_EQ(h.OdsetkiBrutto(), p.brutto);
        EXPECT_EQ(h.Podatek(), p.podatek);
        EXPECT_EQ(h.OdsetkiNetto(), p.netto);
        EXPECT_EQ(h.KwotaKoncowa(), p.parametry.kwota + p.netto);
        EXPECT_EQ(h.DataZakonczenia(), p.koniec);
        EXPECT_NEAR(h.RentownoscNettoRoczna(), p.rentownosc, 1e-12);
        // The totals alone come out the same without the list of periods.
        const auto sumy = THarmonogramOdsetek::Oblicz(p.parametry, false);
        EXPECT_TRUE(sumy.Okresy().empty());
        EXPECT_EQ(sumy.OdsetkiNetto(), p.netto);
    }
}

// Each date is counted from the start, not from the previous date, and the
// last period ends with the term even when it is shorter.
TEST(THarmonogramOdsetekTest, CapitalisationDatesAreCountedFromTheStart) {
    struct Daty {
        TParametryHarmonogramu parametry;
        std::vector<TDateTime> granice;
    } przypadki[] = {
        {Lokata(100000, EncodeDate(2024, 1, 31), 4, J::Miesiac, "4", K::Miesieczna),
         {EncodeDate(2024, 2, 29), EncodeDate(2024, 3, 31), EncodeDate(2024, 4, 30),
          EncodeDate(2024, 5, 31)}},
        {Lokata(100000, EncodeDate(2025, 1, 1), 4, J::Miesiac, "4", K::Kwartalna),
         {EncodeDate(2025, 4, 1), EncodeDate(2025, 5, 1)}},
        {Lokata(100000, EncodeDate(2025, 8, 31), 1, J::Rok, "4", K::Polroczna),
         {EncodeDate(2026, 2, 28), EncodeDate(2026, 8, 31)}},
        {Lokata(100000, EncodeDate(2025, 1, 1), 2, J::Tydzien, "4", K::Brak),
         {EncodeDate(2025, 1, 15)}},
        {Lokata(100000, EncodeDate(2024, 2, 29), 1, J::Rok, "4", K::Roczna),
         {EncodeDate(2025, 2, 28)}},
    };
    for (const Daty& d : przypadki) {
        const auto h = THarmonogramOdsetek::Oblicz(d.parametry, true);
        std::vector<TDateTime> granice;
        TDateTime od = d.parametry.start;
        for (const TOkresOdsetkowy& o : h.Okresy()) {
            EXPECT_EQ(o.od, od);
            granice.push_back(o.do_);
            od = o.do_;
        }
        EXPECT_EQ(granice, d.granice);
    }
}

TEST(THarmonogramOdsetekTest, TermWithoutDaysHasNoPeriodAndNoYield) {
    const auto h = THarmonogramOdsetek::Oblicz(
        Lokata(100000, EncodeDate(2025, 1, 1), 3, J::Brak, "4", K::Miesieczna), true);
    EXPECT_TRUE(h.Okresy().empty());
    EXPECT_EQ(h.DataZakonczenia(), EncodeDate(2025, 1, 1));
    EXPECT_EQ(h.KwotaKoncowa(), 100000);
    EXPECT_EQ(h.RentownoscNettoRoczna(), 0);
}

TEST(THarmonogramOdsetekTest, AmountsBeyondExactRangeAreRefusedNotWrapped) {
    // 10^16 zł at 1000 % a year for 10 years: the capital leaves int64 grosze.
    EXPECT_THROW(
        THarmonogramOdsetek::Oblicz(
            Lokata(int64_t{1} << 60, EncodeDate(2025, 1, 1), 10, J::Rok, "1000", K::Roczna), false),
        std::overflow_error);
    // 100 years of daily capitalisation lists 36 525 periods; 300 years too many.
    EXPECT_EQ(THarmonogramOdsetek::Oblicz(
                  Lokata(100000, EncodeDate(2000, 1, 1), 100, J::Rok, "1", K::Dzienna), true)
                  .Okresy()
                  .size(),
              36525u);
    const auto dlugi = Lokata(100000, EncodeDate(2000, 1, 1), 300, J::Rok, "1", K::Dzienna);
    EXPECT_THROW(THarmonogramOdsetek::Oblicz(dlugi, true), std::length_error);
    EXPECT_GT(THarmonogramOdsetek::Oblicz(dlugi, false).OdsetkiNetto(), 0);
}

} // namespace
