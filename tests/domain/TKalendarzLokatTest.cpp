#include "KalendarzLokatFixture.h"

namespace {

std::vector<int32_t> Identyfikatory(const TMiesiacKalendarza& miesiac) {
    std::vector<int32_t> ids;
    for (const TPozycjaKalendarza& p : miesiac.lokaty)
        ids.push_back(p.lokata->Id());
    return ids;
}

using KalendarzLokatTest = KalendarzLokatFixture;

TEST_F(KalendarzLokatTest, GroupsActiveDepositsByEndMonthWithOverdueFirst) {
    Dodaj(1, "koniec kwietnia", 10000, EncodeDate(2026, 4, 30));
    Dodaj(2, "pierwszy kwietnia", 10000, EncodeDate(2026, 4, 1));
    Dodaj(3, "ostatni marca", 10000, EncodeDate(2026, 3, 31));
    Dodaj(4, "dziś", 5000, EncodeDate(2026, 3, 15));
    Dodaj(5, "wczoraj", 10000, EncodeDate(2026, 3, 14));
    Dodaj(6, "rok temu", 2000, EncodeDate(2025, 3, 20));
    Dodaj(7, "nieaktywna", 10000, EncodeDate(2026, 3, 20), kOferta, false);
    Dodaj(8, "usunięta", 10000, EncodeDate(2026, 3, 20)).SetZmiany(TTypModyfikacji::Usunieto);
    Dodaj(9, "przyszły rok", 10000, EncodeDate(2027, 1, 1));

    const TKalendarzLokat kalendarz = Kalendarz();
    const auto& m = kalendarz.Miesiace();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].Klucz(), "po terminie");
    EXPECT_EQ(Identyfikatory(m[0]), (std::vector<int32_t>{6, 5}));
    EXPECT_EQ(m[1].Klucz(), "2026-03");
    // A deposit ending today is still to come: not overdue.
    EXPECT_EQ(Identyfikatory(m[1]), (std::vector<int32_t>{4, 3}));
    EXPECT_EQ(m[2].Klucz(), "2026-04");
    EXPECT_EQ(Identyfikatory(m[2]), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(m[3].Klucz(), "2027-01");

    EXPECT_EQ(m[0].Ilosc(), 2);
    EXPECT_DOUBLE_EQ(m[0].kwota, 12000);
    EXPECT_EQ(m[1].Ilosc(), 2);
    EXPECT_DOUBLE_EQ(m[1].kwota, 15000);
    // 5000 for 180 days at 5 %: 125 gross, 24 tax.
    EXPECT_DOUBLE_EQ(m[1].szacowanyZysk, 202 + 101);
    EXPECT_DOUBLE_EQ(m[2].szacowanyZysk, 404);
}

TEST_F(KalendarzLokatTest, DepositWithoutOfferCountsItsAmountAndNoProfit) {
    Dodaj(1, "bez oferty", 3000, EncodeDate(2026, 5, 10), -1);
    Dodaj(2, "oferta usunięta z katalogu", 4000, EncodeDate(2026, 5, 11), 99);
    Dodaj(3, "z ofertą", 10000, EncodeDate(2026, 5, 12));

    const TKalendarzLokat kalendarz = Kalendarz();
    ASSERT_EQ(kalendarz.Miesiace().size(), 1u);
    const TMiesiacKalendarza& maj = kalendarz.Miesiace()[0];
    EXPECT_EQ(maj.Ilosc(), 3);
    EXPECT_DOUBLE_EQ(maj.kwota, 17000);
    EXPECT_DOUBLE_EQ(maj.szacowanyZysk, 202);
    EXPECT_EQ(maj.lokaty[0].oferta, nullptr);
    EXPECT_EQ(maj.lokaty[1].oferta, nullptr);
    EXPECT_EQ(maj.lokaty[2].oferta, oferty[0].get());
}

TEST_F(KalendarzLokatTest, NextMonthsRunFromTheCurrentOneAcrossTheYearWithEmptyMonths) {
    Dodaj(1, "marzec", 1000, EncodeDate(2026, 3, 31));
    Dodaj(2, "styczeń", 2000, EncodeDate(2027, 1, 1));
    Dodaj(3, "za rok", 4000, EncodeDate(2027, 3, 1));
    Dodaj(4, "po terminie", 8000, EncodeDate(2026, 3, 1));

    const auto miesiace = Kalendarz().KolejneMiesiace(12);
    ASSERT_EQ(miesiace.size(), 12u);
    QStringList klucze;
    for (const auto& m : miesiace)
        klucze << m.Klucz();
    EXPECT_EQ(klucze.first(), "2026-03");
    EXPECT_EQ(klucze.last(), "2027-02");
    EXPECT_DOUBLE_EQ(miesiace[0].kwota, 1000);
    EXPECT_EQ(miesiace[1].Ilosc(), 0);
    EXPECT_DOUBLE_EQ(miesiace[1].kwota, 0);
    EXPECT_EQ(klucze[10], "2027-01");
    EXPECT_DOUBLE_EQ(miesiace[10].kwota, 2000);
}

TEST_F(KalendarzLokatTest, NoActiveDepositMakesAnEmptyCalendar) {
    EXPECT_TRUE(Kalendarz().Pusty());
    Dodaj(1, "nieaktywna", 1000, EncodeDate(2026, 4, 1), kOferta, false);
    EXPECT_TRUE(Kalendarz().Pusty());
}

} // namespace
