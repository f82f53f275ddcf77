#include "domain/TLokata.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "format/Formatowanie.h"

#include "common/ScopedClock.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

struct Oferta {
    double oprocentowanie;
    TKapitalizacja kapitalizacja;
};

std::unique_ptr<THarmonogramLokatyBankowej> NowaOferta(const Oferta& o) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fOprocentowanieWSkaliRoku = o.oprocentowanie;
    oferta->fKapitalizacja = o.kapitalizacja;
    return oferta;
}

std::unique_ptr<TLokata> NowaLokata(double kwota, uint16_t okres, TJednostkaOkresu jednostka,
                                    TDateTime start = EncodeDate(2013, 1, 31)) {
    auto lokata = std::make_unique<TLokata>();
    lokata->SetKwota(kwota);
    lokata->SetOkresLokaty(okres);
    lokata->fJednostkaLokaty = jednostka;
    lokata->SetDataRozpoczecia(start);
    return lokata;
}

class TLokataTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
};

// Expected values are the exact doubles of the period-by-period estimate in
// extended precision (computed independently with exact rational arithmetic).
TEST_F(TLokataTest, EstimateReproducesEveryWorkedExampleBitForBit) {
    struct Case {
        double kwota;
        uint16_t okres;
        TJednostkaOkresu jednostka;
        Oferta oferta;
        double zysk;
        double okresy;
    } cases[] = {
        {10000, 3, J::Miesiac, {4.5, K::Miesieczna}, 91.92, 3},
        {10000, 6, J::Miesiac, {5, K::PoOkresieUmowy}, 202, 1},
        {10000, 6, J::Miesiac, {5, K::Roczna}, 202, 0.5},
        {10000, 1, J::Rok, {4, K::Kwartalna}, 329.03999999999996, 4},
        {5000, 45, J::Dzien, {3, K::Miesieczna}, 15.77, 1.5},
        {1000, 10, J::Dzien, {3.6, K::Dzienna}, 0.9999999999999999, 10},
        // a term shorter than one period: a single step of 30 days
        {10000, 1, J::Miesiac, {5, K::Roczna}, 33.67, 30.0 / 360},
        // no capitalisation kind: one step over the term, no periods counted
        {10000, 6, J::Miesiac, {5, K::Brak}, 202, 0},
        {10000, 6, J::Miesiac, {5, static_cast<K>(9)}, 202, 0},
        // a partial last quarter (40 of 90 days) of a growing principal
        {123456.78, 400, J::Dzien, {7.25, K::Kwartalna}, 8314.51, 400.0 / 90},
        // tax on whole units: 9.5 -> 10, 28.5 -> 28, 47.5 -> 48, 66.5 -> 66
        {3600, 1, J::Dzien, {500, K::PoOkresieUmowy}, 40, 1},
        {10800, 1, J::Dzien, {500, K::PoOkresieUmowy}, 122, 1},
        {18000, 1, J::Dzien, {500, K::PoOkresieUmowy}, 202, 1},
        {25200, 1, J::Dzien, {500, K::PoOkresieUmowy}, 284, 1},
        // interest below half a unit every day pays no tax
        {0.01, 3, J::Dzien, {1, K::Dzienna}, 0, 3},
        // an interest far beyond 64-bit integers is still rounded and taxed
        {1e25, 1, J::Dzien, {3.6, K::Dzienna}, 8.100000000000003e+20, 1},
        {10000, 2, J::Tydzien, {5, K::Dzienna}, 19.460000000000004, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kwota << " x " << c.okres << " unit "
                                        << int(c.jednostka) << " at " << c.oferta.oprocentowanie);
        const auto oferta = NowaOferta(c.oferta);
        const auto lokata = NowaLokata(c.kwota, c.okres, c.jednostka);
        EXPECT_EQ(lokata->ObliczSzacowanyZyskZLokaty(oferta.get()), c.zysk);
        EXPECT_EQ(oferta->IloscOkresowKapitalizacji(), c.okresy);
    }
}

TEST_F(TLokataTest, EstimateWithoutOfferOrTermIsZero) {
    const auto lokata = NowaLokata(10000, 3, J::Miesiac);
    EXPECT_EQ(lokata->ObliczSzacowanyZyskZLokaty(nullptr), 0);

    struct Case {
        uint16_t okres;
        TJednostkaOkresu jednostka;
        TKapitalizacja kapitalizacja;
        double okresy;
    } cases[] = {
        {0, J::Miesiac, K::Dzienna, 0},
        {0, J::Rok, K::Miesieczna, 0},
        {0, J::Dzien, K::PoOkresieUmowy, 1},
        {3, J::Brak, K::PoOkresieUmowy, 1},
        {3, J::Brak, K::Brak, 0},
        {3, static_cast<J>(7), K::Kwartalna, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.okres << " unit " << int(c.jednostka));
        const auto oferta = NowaOferta({5, c.kapitalizacja});
        oferta->fIloscOkresowKapitalizacji = 99;
        EXPECT_EQ(NowaLokata(10000, c.okres, c.jednostka)->ObliczSzacowanyZyskZLokaty(oferta.get()),
                  0);
        EXPECT_EQ(oferta->IloscOkresowKapitalizacji(), c.okresy);
    }
}

// The deposit keeps its last estimate: after any change of the deposit or of
// its offer the answer is that of a fresh deposit, never the kept one.
TEST_F(TLokataTest, KeptEstimateFollowsEveryChangeOfDepositAndOffer) {
    const struct {
        const char* zmiana;
        std::function<void(TLokata&, THarmonogramLokatyBankowej&)> zmien;
    } zmiany[] = {
        {"amount", [](TLokata& l, THarmonogramLokatyBankowej&) { l.SetKwota(20000); }},
        {"term", [](TLokata& l, THarmonogramLokatyBankowej&) { l.SetOkresLokaty(7); }},
        {"unit", [](TLokata& l, THarmonogramLokatyBankowej&) { l.fJednostkaLokaty = J::Rok; }},
        {"rate",
         [](TLokata&, THarmonogramLokatyBankowej& o) { o.fOprocentowanieWSkaliRoku = 6.25; }},
        {"capitalisation",
         [](TLokata&, THarmonogramLokatyBankowej& o) { o.fKapitalizacja = K::Dzienna; }},
        {"another offer",
         [](TLokata&, THarmonogramLokatyBankowej& o) {
             o.fKapitalizacja = K::PoOkresieUmowy;
             o.fOprocentowanieWSkaliRoku = 1;
         }},
    };
    for (const auto& z : zmiany) {
        SCOPED_TRACE(z.zmiana);
        const auto oferta = NowaOferta({4.5, K::Miesieczna});
        const auto lokata = NowaLokata(10000, 6, J::Miesiac);
        const double przed = lokata->ObliczSzacowanyZyskZLokaty(oferta.get());
        EXPECT_EQ(lokata->ObliczSzacowanyZyskZLokaty(oferta.get()), przed) << "asked again";
        z.zmien(*lokata, *oferta);
        const auto nowaOferta =
            NowaOferta({oferta->fOprocentowanieWSkaliRoku, oferta->fKapitalizacja});
        const auto nowa =
            NowaLokata(lokata->Kwota(), lokata->OkresLokaty(), lokata->fJednostkaLokaty);
        const double oczekiwany = nowa->ObliczSzacowanyZyskZLokaty(nowaOferta.get());
        EXPECT_NE(oczekiwany, przed);
        EXPECT_EQ(lokata->ObliczSzacowanyZyskZLokaty(oferta.get()), oczekiwany);
        EXPECT_EQ(oferta->IloscOkresowKapitalizacji(), nowaOferta->IloscOkresowKapitalizacji());
    }
}

TEST_F(TLokataTest, OverflowingEstimateIsInfiniteAndShownAsText) {
    struct Case {
        double kwota;
        uint16_t okres;
        TJednostkaOkresu jednostka;
        Oferta oferta;
    } cases[] = {
        {1e300, 100, J::Rok, {1e6, K::Miesieczna}},
        {1e308, 65535, J::Rok, {1e308, K::Dzienna}},
        {std::numeric_limits<double>::max(), 65535, J::Rok, {1e308, K::PoOkresieUmowy}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kwota);
        const auto oferta = NowaOferta(c.oferta);
        const double zysk =
            NowaLokata(c.kwota, c.okres, c.jednostka)->ObliczSzacowanyZyskZLokaty(oferta.get());
        EXPECT_EQ(zysk, std::numeric_limits<double>::infinity());
        EXPECT_EQ(FormatMoney(zysk), "nieskończoność zł");
    }
}

TEST_F(TLokataTest, EndDateFollowsTheCalendar) {
    struct Case {
        TDateTime start;
        uint16_t okres;
        TJednostkaOkresu jednostka;
        TDateTime koniec;
        uint32_t dni;
    } cases[] = {
        {EncodeDate(2013, 1, 31), 3, J::Miesiac, EncodeDate(2013, 4, 30), 89},
        {EncodeDate(2012, 2, 29), 1, J::Rok, EncodeDate(2013, 2, 28), 365},
        {EncodeDate(2013, 1, 31), 1, J::Miesiac, EncodeDate(2013, 2, 28), 28},
        {EncodeDate(2013, 12, 30), 10, J::Dzien, EncodeDate(2014, 1, 9), 10},
        {EncodeDate(2013, 1, 1), 2, J::Tydzien, EncodeDate(2013, 1, 15), 14},
        {EncodeDateTime(2013, 3, 31, 10, 30), 1, J::Miesiac, EncodeDateTime(2013, 4, 30, 10, 30),
         30},
        {EncodeDate(2013, 1, 1), 5, J::Brak, 0, static_cast<uint32_t>(EncodeDate(2013, 1, 1))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << FormatDateTime("yyyy-MM-dd hh:mm", c.start).toStdString()
                                        << " + " << c.okres << " unit " << int(c.jednostka));
        const auto lokata = NowaLokata(1000, c.okres, c.jednostka, c.start);
        EXPECT_EQ(lokata->SzacowanaDataZakonczenia(), c.koniec);
        EXPECT_EQ(lokata->OkresLokatyWDniach(), c.dni);
    }
}

TEST_F(TLokataTest, DaysLeftCountFromTheClock) {
    // Three months from 31 January 2013 end on 30 April.
    const auto lokata = NowaLokata(1000, 3, J::Miesiac);
    struct Case {
        TDateTime teraz;
        int32_t dni;
        bool zakonczona;
    } cases[] = {
        {EncodeDateTime(2013, 4, 26, 20, 0), 4, false}, // 3 days and 4 hours before
        {EncodeDateTime(2013, 4, 29, 0, 0, 0, 1), 1, false},
        {EncodeDateTime(2013, 4, 29, 23, 59, 59), 1, false},
        {EncodeDate(2013, 4, 30), 0, true},
        {EncodeDateTime(2013, 4, 30, 15, 0), 0, true},
        {EncodeDateTime(2013, 5, 1, 10, 0), -1, true},
        {EncodeDate(2013, 1, 31), 90, false},
    };
    lokata->SetAktywna(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(FormatDateTime("yyyy-MM-dd hh:mm:ss", c.teraz).toStdString());
        ScopedClock clock(c.teraz);
        EXPECT_EQ(lokata->IloscDniDoZakonczenia(), c.dni);
        EXPECT_EQ(lokata->Zakonczona(), c.zakonczona);
    }

    ScopedClock clock(EncodeDate(2013, 4, 1));
    lokata->SetAktywna(false);
    EXPECT_EQ(lokata->IloscDniDoZakonczenia(), std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(lokata->Zakonczona());

    const auto bezJednostki = NowaLokata(1000, 3, J::Brak);
    bezJednostki->SetAktywna(true);
    EXPECT_EQ(bezJednostki->IloscDniDoZakonczenia(), -static_cast<int32_t>(EncodeDate(2013, 4, 1)));
    EXPECT_TRUE(bezJednostki->Zakonczona());
}

TEST_F(TLokataTest, TermTextTakesThePolishNumberForm) {
    struct Case {
        uint16_t okres;
        TJednostkaOkresu jednostka;
        QString tekst;
    } cases[] = {
        {0, J::Dzien, "0"},
        {1, J::Dzien, "1 dzień"},
        {2, J::Dzien, "2 dni"},
        {1, J::Tydzien, "1 tydzień"},
        {4, J::Tydzien, "4 tygodnie"},
        {5, J::Tydzien, "5 tygodni"},
        {22, J::Tydzien, "22 tygodni"},
        {0, J::Tydzien, "0 tygodni"},
        {1, J::Miesiac, "1 miesiąc"},
        {3, J::Miesiac, "3 miesiące"},
        {12, J::Miesiac, "12 miesięcy"},
        {1, J::Rok, "1 rok"},
        {2, J::Rok, "2 lata"},
        {5, J::Rok, "5 lat"},
        {3, J::Brak, "3"},
        {65535, J::Rok, "65535 lat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NowaLokata(1, c.okres, c.jednostka)->OkresLokatyString(), c.tekst);
    }
}

TEST_F(TLokataTest, NewDepositStartsNowWithEmptyFields) {
    const TDateTime teraz = EncodeDateTime(2014, 6, 1, 12, 34, 56);
    ScopedClock clock(teraz);
    TLokata lokata;
    EXPECT_EQ(lokata.DataRozpoczecia(), teraz);
    EXPECT_EQ(lokata.Id(), -1);
    EXPECT_EQ(lokata.IdHarmonogramLokaty(), -1);
    EXPECT_EQ(lokata.fJednostkaLokaty, J::Brak);
    EXPECT_FALSE(lokata.Aktywna());

    TLokata pelna(7, "Na wakacje", 2500.5, EncodeDate(2014, 1, 2), 6, J::Miesiac, 3, true,
                  TTypModyfikacji::Dodano);
    EXPECT_EQ(pelna.Nazwa(), "Na wakacje");
    EXPECT_EQ(pelna.OkresLokatyString(), "6 miesięcy");
    EXPECT_EQ(pelna.Zmiany(), TTypModyfikacji::Dodano);
    pelna.SetNazwa("Inna");
    pelna.SetKwota(1);
    EXPECT_EQ(pelna.Zmiany(), TTypModyfikacji::Dodano) << "setters never mark the change";
    pelna.Clear();
    EXPECT_EQ(pelna.Id(), -1);
    EXPECT_EQ(pelna.DataRozpoczecia(), teraz);
    EXPECT_EQ(pelna.Zmiany(), TTypModyfikacji::BezZmian);
}

} // namespace
