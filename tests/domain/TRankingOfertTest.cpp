#include "domain/TRankingOfert.h"
#include "domain/TLokata.h"
#include "format/Formatowanie.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

struct Oferta {
    int32_t id;
    uint32_t okres = 6;
    J jednostka = J::Miesiac;
    double oprocentowanie = 5;
    K kapitalizacja = K::PoOkresieUmowy;
    double minimum = 0;
    double maksimum = 0;
    bool konto = false;
};

using Katalog = std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>;

Katalog NowyKatalog(std::initializer_list<Oferta> oferty) {
    Katalog katalog;
    for (const Oferta& o : oferty) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = o.id;
        h->fBank = QStringLiteral("Bank %1").arg(o.id);
        h->fNazwaHarmonogramu = QStringLiteral("Lokata");
        h->fOkresDepozytu = o.okres;
        h->fJednostkaDepozytu = o.jednostka;
        h->fOprocentowanieWSkaliRoku = o.oprocentowanie;
        h->fKapitalizacja = o.kapitalizacja;
        h->fKwotaMinimalna = o.minimum;
        h->fKwotaMaksymalna = o.maksimum;
        h->fWymaganeKontoOsobisteWTymBanku = o.konto;
        katalog.push_back(std::move(h));
    }
    return katalog;
}

TKryteriaRankingu Kryteria(double kwota) {
    TKryteriaRankingu k;
    k.kwota = kwota;
    k.start = EncodeDate(2025, 1, 1);
    return k;
}

std::vector<int32_t> Identyfikatory(const TRankingOfert& ranking) {
    std::vector<int32_t> id;
    for (const TPozycjaRankingu& p : ranking.Pozycje())
        id.push_back(p.oferta->Id());
    return id;
}

class TRankingOfertTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
};

TEST_F(TRankingOfertTest, FiltersByAmountAccountAndDeletion) {
    Katalog katalog = NowyKatalog({
        {1},                                                    // no limits
        {2, 6, J::Miesiac, 5, K::PoOkresieUmowy, 10001},        // minimum above
        {3, 6, J::Miesiac, 5, K::PoOkresieUmowy, 0, 9999.99},   // maximum below
        {4, 6, J::Miesiac, 5, K::PoOkresieUmowy, 10000, 10000}, // both limits met exactly
        {5, 6, J::Miesiac, 5, K::PoOkresieUmowy, 0, 0, true},   // needs an account
        {6, 0, J::Miesiac},                                     // no term: cannot be ranked
        {7},
    });
    katalog[6]->fZmiany = TTypModyfikacji::Usunieto;
    EXPECT_EQ(Identyfikatory(TRankingOfert(katalog, Kryteria(10000))),
              (std::vector<int32_t>{1, 4, 5}));
    TKryteriaRankingu bezKonta = Kryteria(10000);
    bezKonta.kontoOsobisteDozwolone = false;
    EXPECT_EQ(Identyfikatory(TRankingOfert(katalog, bezKonta)), (std::vector<int32_t>{1, 4}));
}

TEST_F(TRankingOfertTest, BestNetYieldFirstTiesByNetThenId) {
    Katalog katalog = NowyKatalog({
        {10, 6, J::Miesiac, 5, K::PoOkresieUmowy},
        {11, 6, J::Miesiac, 5, K::Miesieczna}, // compounding: more than 10
        {12, 3, J::Miesiac, 6, K::PoOkresieUmowy},
        {9, 6, J::Miesiac, 5, K::PoOkresieUmowy}, // the same as 10: lower id first
        {13, 1, J::Rok, 4.5, K::Roczna},
    });
    const TRankingOfert ranking(katalog, Kryteria(10000));
    EXPECT_EQ(Identyfikatory(ranking), (std::vector<int32_t>{12, 11, 9, 10, 13}));
    EXPECT_TRUE(ranking.PowodBrakuOfert().isEmpty());
    // 6 months after the term from 1 January: 181 days, 247,95 zł gross, 200,83 zł net.
    const TPozycjaRankingu& p = ranking.Pozycje()[2];
    ASSERT_TRUE(p.dokladnie.has_value());
    EXPECT_EQ(p.dokladnie->OdsetkiNetto(), 20083);
    EXPECT_EQ(p.dokladnie->DataZakonczenia(), EncodeDate(2025, 7, 1));
    // Beside it the estimate that the deposit list shows (180 days: 250 - 48).
    EXPECT_EQ(p.szacowanyZysk, 202.0);
    EXPECT_EQ(katalog[3]->IloscOkresowKapitalizacji(), 1);
}

TEST_F(TRankingOfertTest, TermFitsWithinTheToleranceInEstimateDays) {
    Katalog katalog = NowyKatalog({
        {1, 5, J::Miesiac},  // 150 days
        {2, 6, J::Miesiac},  // 180
        {3, 26, J::Tydzien}, // 182
        {4, 180, J::Dzien},  // 180
        {5, 8, J::Miesiac},  // 240
        {6, 1, J::Rok},      // 360
    });
    TKryteriaRankingu k = Kryteria(10000);
    k.okres = 6;
    k.jednostka = J::Miesiac;
    auto posortowane = [&] {
        std::vector<int32_t> id = Identyfikatory(TRankingOfert(katalog, k));
        std::sort(id.begin(), id.end());
        return id;
    };
    EXPECT_EQ(posortowane(), (std::vector<int32_t>{2, 4}));
    k.tolerancja = 1;
    EXPECT_EQ(posortowane(), (std::vector<int32_t>{1, 2, 3, 4}));
    k.okres = 12;
    k.tolerancja = 0;
    EXPECT_EQ(posortowane(), (std::vector<int32_t>{6}));
    k.jednostka = J::Brak; // any term
    EXPECT_EQ(posortowane(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TRankingOfertTest, OffersOlderThanTheMaximumAgeAreLeftOut) {
    ScopedClock zegar(EncodeDateTime(2026, 12, 10, 10, 0));
    Katalog katalog = NowyKatalog({{1, 6, J::Miesiac, 6}, {2, 6, J::Miesiac, 5}, {3}});
    katalog[0]->fDataDodaniaModyfikacji = EncodeDate(2026, 11, 9);  // 31 days
    katalog[1]->fDataDodaniaModyfikacji = EncodeDate(2026, 11, 10); // 30 days
    katalog[2]->fDataDodaniaModyfikacji = EncodeDateTime(2026, 12, 10, 9, 0);
    TKryteriaRankingu k = Kryteria(10000);
    EXPECT_EQ(Identyfikatory(TRankingOfert(katalog, k)), (std::vector<int32_t>{1, 2, 3}));
    k.maksymalnyWiekOferty = 30;
    EXPECT_EQ(Identyfikatory(TRankingOfert(katalog, k)), (std::vector<int32_t>{2, 3}));
    k.maksymalnyWiekOferty = 0;
    EXPECT_EQ(Identyfikatory(TRankingOfert(katalog, k)), (std::vector<int32_t>{3}));

    katalog.pop_back();
    k.maksymalnyWiekOferty = 1;
    const TRankingOfert pusty(katalog, k);
    EXPECT_TRUE(pusty.Pozycje().empty());
    EXPECT_EQ(pusty.PowodBrakuOfert(),
              "Każda pasująca oferta ma dane starsze niż 1 dzień (sprawdź aktualne oferty "
              "banków).");
}

TEST_F(TRankingOfertTest, EmptyRankingSaysWhy) {
    const struct {
        Katalog katalog;
        TKryteriaRankingu kryteria;
        const char* powod;
    } przypadki[] = {
        {NowyKatalog({}), Kryteria(10000), "W katalogu nie ma jeszcze żadnej oferty lokaty."},
        {NowyKatalog({{1, 0}}), Kryteria(10000),
         "Żadna oferta w katalogu nie ma podanego okresu lokaty."},
        {NowyKatalog({{1, 6, J::Miesiac, 5, K::Brak, 0, 50000}}), Kryteria(1000000),
         "Żadna oferta w katalogu nie przyjmuje kwoty 1 000 000,00 zł."},
        {NowyKatalog({{1, 12}}),
         [] {
             TKryteriaRankingu k = Kryteria(10000);
             k.okres = 6;
             k.jednostka = J::Miesiac;
             k.tolerancja = 2;
             return k;
         }(),
         "Żadna oferta przyjmująca kwotę 10 000,00 zł nie trwa około 6 miesięcy (± 2 miesiące)."},
        {NowyKatalog({{1, 6, J::Miesiac, 5, K::Brak, 0, 0, true}}),
         [] {
             TKryteriaRankingu k = Kryteria(10000);
             k.kontoOsobisteDozwolone = false;
             return k;
         }(),
         "Każda pasująca oferta wymaga konta osobistego w swoim banku."},
    };
    for (const auto& p : przypadki) {
        const TRankingOfert ranking(p.katalog, p.kryteria);
        EXPECT_TRUE(ranking.Pozycje().empty());
        EXPECT_EQ(ranking.PowodBrakuOfert(), QString::fromUtf8(p.powod));
    }
}

TEST_F(TRankingOfertTest, OfferBeyondExactRangeStaysListedLast) {
    Katalog katalog = NowyKatalog({{1, 100, J::Rok, 1000, K::Dzienna}, {2}});
    const TRankingOfert ranking(katalog, Kryteria(10000));
    EXPECT_EQ(Identyfikatory(ranking), (std::vector<int32_t>{2, 1}));
    EXPECT_FALSE(ranking.Pozycje()[1].dokladnie.has_value());
}

} // namespace
