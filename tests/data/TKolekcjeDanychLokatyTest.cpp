// The deposit and offer side of the collections: lookups, checks, sorts.
#include "data/TKolekcjeDanych.h"
#include "format/TFormatSettings.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using J = TJednostkaOkresu;
using M = TTypModyfikacji;

struct Oferta {
    int32_t id;
    QString bank;
    QString nazwa;
    uint32_t okres = 3;
    J jednostka = J::Miesiac;
    double oprocentowanie = 4.5;
    M zmiany = M::BezZmian;
};

struct Lokata {
    int32_t id;
    QString nazwa;
    double kwota = 1000;
    TDateTime start = EncodeDate(2013, 5, 1);
    uint16_t okres = 3;
    J jednostka = J::Miesiac;
    int32_t idHarmonogramu = -1;
    bool aktywna = true;
    M zmiany = M::BezZmian;
};

class TKolekcjeDanychLokatyTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }

    THarmonogramLokatyBankowej& Dodaj(const Oferta& o) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = o.id;
        oferta->fBank = o.bank;
        oferta->fNazwaHarmonogramu = o.nazwa;
        oferta->fOkresDepozytu = o.okres;
        oferta->fJednostkaDepozytu = o.jednostka;
        oferta->fOprocentowanieWSkaliRoku = o.oprocentowanie;
        oferta->fZmiany = o.zmiany;
        k.HarmonogramyLokatBankowych().push_back(std::move(oferta));
        return *k.HarmonogramyLokatBankowych().back();
    }

    TLokata& Dodaj(const Lokata& l) {
        auto lokata = std::make_unique<TLokata>(l.id, l.nazwa, l.kwota, l.start, l.okres,
                                                l.jednostka, l.idHarmonogramu, l.aktywna, l.zmiany);
        k.Lokaty().push_back(std::move(lokata));
        return *k.Lokaty().back();
    }

    std::vector<int32_t> IdOfert() {
        std::vector<int32_t> ids;
        for (const auto& o : k.HarmonogramyLokatBankowych())
            ids.push_back(o->Id());
        return ids;
    }

    std::vector<int32_t> IdLokat() {
        std::vector<int32_t> ids;
        for (const auto& l : k.Lokaty())
            ids.push_back(l->Id());
        return ids;
    }

    TKolekcjeDanych k;
};

TEST_F(TKolekcjeDanychLokatyTest, LookupsThatFindNothingAnswerNullMinusOneOrEmpty) {
    // An empty catalogue first, then one holding a new offer with id -1.
    for (bool zOferta : {false, true}) {
        SCOPED_TRACE(zOferta);
        if (zOferta)
            Dodaj({-1, "Alfa", "Lokata", 3, J::Miesiac, 4.5, M::Dodano});
        EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(-1), nullptr);
        EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(7), nullptr);
        EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa("Beta - Lokata 3M (4,50%)"),
                  nullptr);
        EXPECT_FALSE(k.HarmonogramLokatyBankowejJestWUzyciu(-1));
        EXPECT_EQ(k.PobierzOpisKategoriiPoID(7, TTabele::HarmonogramyLokatBankowych), "");
        EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Beta", TTabele::HarmonogramyLokatBankowych), -1);
        EXPECT_TRUE(k.PobierzLokatyKonczaceSieLubPoTerminie(7).empty());
    }
    // Tables without descriptions by id or text.
    for (TTabele tabela : {TTabele::Wydatki, TTabele::Pusta, TTabele::Plany, TTabele::Lokaty}) {
        EXPECT_EQ(k.PobierzOpisKategoriiPoID(-1, tabela), "");
        EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Alfa - Lokata 3M (4,50%)", tabela), -1);
    }
}

TEST_F(TKolekcjeDanychLokatyTest, DeletedOffersAndDepositsAreSeenByLookupsButNotListed) {
    Dodaj({1, "Alfa", "Lokata", 3, J::Miesiac, 4.5, M::Usunieto});
    Dodaj({2, "Beta", "Lokata", 3, J::Miesiac, 4.5});
    Dodaj({10, "Stara", 1000, EncodeDate(2013, 5, 1), 3, J::Miesiac, 1, true, M::Usunieto});

    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(1), k.HarmonogramyLokatBankowych()[0].get());
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(1, TTabele::HarmonogramyLokatBankowych),
              "Alfa - Lokata 3M (4,50%)");
    EXPECT_NE(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa("Alfa - Lokata 3M (4,50%)"),
              nullptr);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Alfa - Lokata 3M (4,50%)",
                                           TTabele::HarmonogramyLokatBankowych),
              1);
    EXPECT_TRUE(k.HarmonogramLokatyBankowejJestWUzyciu(1));
    EXPECT_FALSE(k.HarmonogramLokatyBankowejJestWUzyciu(2));

    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, false, false, -1),
              QStringList{"Beta - Lokata 3M (4,50%)"});
    EXPECT_FALSE(k.KolekcjaZawieraLokaty());
    EXPECT_FALSE(k.KolekcjaZawieraAktywneLokaty());

    ScopedClock zegar(EncodeDateTime(2013, 8, 1, 12, 0));
    EXPECT_EQ(k.PobierzLokatyKonczaceSieLubPoTerminie(7).size(), 1u);
}

TEST_F(TKolekcjeDanychLokatyTest, OffersCountAsSavedUnlessOneIsNew) {
    struct Case {
        int32_t id;
        M zmiany;
        bool zapisane;
    } cases[] = {
        {1, M::BezZmian, true}, {1, M::Zmieniono, true},  {1, M::Usunieto, true},
        {1, M::Dodano, false},  {-1, M::BezZmian, false}, {-1, M::Usunieto, false},
    };
    EXPECT_TRUE(k.HarmonogramyLokatBankowychSaZapisane());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << int(c.zmiany));
        k.HarmonogramyLokatBankowych().clear();
        Dodaj({5, "Alfa", "Stara"});
        Dodaj({c.id, "Beta", "Lokata", 3, J::Miesiac, 4.5, c.zmiany});
        EXPECT_EQ(k.HarmonogramyLokatBankowychSaZapisane(), c.zapisane);
    }
}

TEST_F(TKolekcjeDanychLokatyTest, LookupByLabelIgnoresCaseLookupOfIdDoesNot) {
    Dodaj({1, "ALFA", "Lokata"});
    Dodaj({2, "Alfa", "Lokata"});
    const QString wielkie = "ALFA - Lokata 3M (4,50%)";
    const QString male = "Alfa - Lokata 3M (4,50%)";

    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa(wielkie)->Id(), 1);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa(male)->Id(), 1);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa("alfa - lokata 3m (4,50%)")->Id(),
              1);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie(wielkie, TTabele::HarmonogramyLokatBankowych), 1);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie(male, TTabele::HarmonogramyLokatBankowych), 2);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("alfa - lokata 3m (4,50%)",
                                           TTabele::HarmonogramyLokatBankowych),
              -1);

    // The catalogue is sorted first (lower case before upper case), so the
    // label listed is the one of the first offer in that order.
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, false, false, -1),
              QStringList{male});
    EXPECT_EQ(IdOfert(), (std::vector<int32_t>{2, 1}));
}

TEST_F(TKolekcjeDanychLokatyTest, OfferLabelsSkipTheGivenIdOnly) {
    Dodaj({-1, "Nowy", "Lokata", 3, J::Miesiac, 4.5, M::Dodano});
    Dodaj({3, "Alfa", "Lokata"});
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, true, true, -1),
              (QStringList{"Alfa - Lokata 3M (4,50%)", "Nowy - Lokata 3M (4,50%)"}));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, false, false, 3),
              QStringList{"Nowy - Lokata 3M (4,50%)"});
}

TEST_F(TKolekcjeDanychLokatyTest, OffersSortByBankNameTermRateAndId) {
    struct Case {
        const char* opis;
        std::vector<Oferta> oferty;
        std::vector<int32_t> kolejnosc;
    } cases[] = {
        {"rates within half a hundredth tie",
         {{1, "A", "L", 3, J::Miesiac, 4.504}, {2, "A", "L", 3, J::Miesiac, 4.50}},
         {1, 2}},
        {"rates a hundredth apart",
         {{1, "A", "L", 3, J::Miesiac, 4.51}, {2, "A", "L", 3, J::Miesiac, 4.50}},
         {2, 1}},
        {"term in days before rate",
         {{1, "A", "L", 1, J::Rok, 1}, {2, "A", "L", 6, J::Miesiac, 9}},
         {2, 1}},
        {"name before term", {{1, "A", "Z", 1, J::Dzien}, {2, "A", "Ą", 1, J::Rok}}, {2, 1}},
        {"bank before name, Polish letters",
         {{1, "Ł", "A"}, {2, "M", "A"}, {3, "L", "Z"}},
         {3, 1, 2}},
        {"same texts by id", {{9, "A", "L"}, {4, "A", "L"}}, {4, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opis);
        k.HarmonogramyLokatBankowych().clear();
        for (const auto& o : c.oferty)
            Dodaj(o);
        k.PosortujHarmonogramy();
        EXPECT_EQ(IdOfert(), c.kolejnosc);
    }
}

TEST_F(TKolekcjeDanychLokatyTest, DepositsSortByTheirKeyThenById) {
    Dodaj({3, "beta", 500, EncodeDate(2013, 5, 1), 1, J::Rok});
    Dodaj({1, "Beta", 500, EncodeDateTime(2013, 5, 1, 0, 0, 0, 0) + 0.4 * kOneMillisecond, 12,
           J::Miesiac});
    Dodaj({2, "alfa", 200, EncodeDate(2013, 4, 1), 0, J::Brak});
    Dodaj({4, "Ćma", 900, EncodeDate(2013, 6, 1), 10, J::Dzien});

    k.PosortujLokatyPoNazwie();
    EXPECT_EQ(IdLokat(), (std::vector<int32_t>{2, 3, 1, 4}));
    k.PosortujLokatyPoKwocie();
    EXPECT_EQ(IdLokat(), (std::vector<int32_t>{2, 1, 3, 4}));
    k.PosortujLokatyPoDacieRozpoczecia(); // within a millisecond: by id
    EXPECT_EQ(IdLokat(), (std::vector<int32_t>{2, 1, 3, 4}));
    // 10 days, twice 365 days (a year and twelve months), and no unit: the
    // days from the start back to the date 0.
    k.PosortujLokatyPoCzasieTrwania();
    EXPECT_EQ(IdLokat(), (std::vector<int32_t>{4, 1, 3, 2}));
    // No unit: end date 0, first; then 2013-06-11 and twice 2014-05-01.
    k.PosortujLokatyPoDacieZakonczenia();
    EXPECT_EQ(IdLokat(), (std::vector<int32_t>{2, 4, 1, 3}));
}

TEST_F(TKolekcjeDanychLokatyTest, DepositsEndingWithinDaysIncludeThosePastTheirEnd) {
    ScopedClock zegar(EncodeDateTime(2013, 6, 10, 14, 30));
    struct Case {
        int32_t id;
        TDateTime start;
        uint16_t dni;
        bool aktywna;
        bool wynik;
    } cases[] = {
        {1, EncodeDate(2013, 6, 1), 16, true, true},   // ends 06-17: 7 days left
        {2, EncodeDate(2013, 6, 1), 17, true, false},  // ends 06-18: 8 days left
        {3, EncodeDate(2013, 5, 1), 30, true, true},   // ended on 05-31
        {4, EncodeDate(2013, 6, 1), 9, true, true},    // ends today
        {5, EncodeDate(2013, 5, 1), 30, false, false}, // not active
    };
    for (const auto& c : cases)
        Dodaj({c.id, "L", 100, c.start, c.dni, J::Dzien, -1, c.aktywna});
    std::vector<int32_t> ids;
    for (TLokata* lokata : k.PobierzLokatyKonczaceSieLubPoTerminie(7))
        ids.push_back(lokata->Id());
    EXPECT_EQ(ids, (std::vector<int32_t>{1, 3, 4}));
    EXPECT_EQ(k.Lokaty().size(), 5u); // the answer does not own the deposits
}

TEST_F(TKolekcjeDanychLokatyTest, ClearingProfitsKeepsTheirKeys) {
    k.ZyskiZLokatDoDodaniaJakoPrzychod() = {{5, 120.0}, {7, 0.0}};
    EXPECT_TRUE(k.JestZyskZLokat());
    k.WyczyscZyskiZLokatBankowych();
    EXPECT_EQ(k.ZyskiZLokatDoDodaniaJakoPrzychod(),
              (std::map<int32_t, double>{{5, 0.0}, {7, 0.0}}));
    EXPECT_FALSE(k.JestZyskZLokat());
}

} // namespace
