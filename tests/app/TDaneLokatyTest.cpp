#include "app/TDaneLokaty.h"

#include "domain/TLokata.h"
#include "format/TFormatSettings.h"

#include <gtest/gtest.h>

namespace {

class TDaneLokatyTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }

    static TDaneLokaty Poprawne() {
        TDaneLokaty dane;
        dane.nazwa = QStringLiteral("Lokata roczna");
        dane.tekstKwoty = QStringLiteral("1000,00");
        dane.dataRozpoczecia = EncodeDateTime(2024, 6, 10, 9, 30);
        dane.okresLokaty = 12;
        dane.jednostka = TJednostkaOkresu::Miesiac;
        return dane;
    }
};

struct TPrzypadekNazwy {
    const char* wpisana;
    const char* zapisana;
};

TEST_F(TDaneLokatyTest, OczyscNazweUsuwaZnakiZakazaneIZbedneOdstepy) {
    const TPrzypadekNazwy przypadki[] = {
        {"  Lokata", "Lokata"},                          // leading blanks go
        {"Lokata 3/12", "Lokata 312"},                   // a slash is dropped
        {"Lokata: roczna", "Lokata roczna"},             // so is a colon
        {"Lokata  roczna", "Lokata roczna"},             // two inner spaces become one
        {"Lokata 'Zysk'; \"plus\"", "Lokata Zysk plus"}, // quotes and semicolons
        {"Lokata ", "Lokata "},                          // a trailing blank stays
        {"x ; y", "x y"}, // the semicolon goes first, so the blanks meet and are collapsed
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(OczyscNazwe(QString::fromUtf8(p.wpisana)), QString::fromUtf8(p.zapisana))
            << p.wpisana;
}

struct TPrzypadekSprawdzenia {
    const char* opis;
    const char* nazwa;
    const char* kwota;
    int okres;
    TBladDanychLokaty blad;
};

TEST_F(TDaneLokatyTest, SprawdzeniaPoOKWKolejnosciKwotaOkresNazwa) {
    const TPrzypadekSprawdzenia przypadki[] = {
        {"all fine", "Lokata", "1000,00", 12, TBladDanychLokaty::Brak},
        {"amount rounds to 0", "Lokata", "0,004", 12, TBladDanychLokaty::Kwota},
        {"amount empty", "Lokata", "", 12, TBladDanychLokaty::Kwota},
        {"one grosz", "Lokata", "0,006", 12, TBladDanychLokaty::Brak},
        {"period 0", "Lokata", "10", 0, TBladDanychLokaty::Okres},
        {"amount before period", "Lokata", "0", 0, TBladDanychLokaty::Kwota},
        {"name of removed characters", "\"';", "10", 1, TBladDanychLokaty::Nazwa},
        {"name of blanks", "   ", "10", 1, TBladDanychLokaty::Nazwa},
        {"name of slashes and colons", "/:/", "10", 1, TBladDanychLokaty::Nazwa},
        {"period before name", "", "10", 0, TBladDanychLokaty::Okres},
    };
    for (const auto& p : przypadki) {
        TDaneLokaty dane = Poprawne();
        dane.nazwa = QString::fromUtf8(p.nazwa);
        dane.tekstKwoty = QString::fromUtf8(p.kwota);
        dane.okresLokaty = p.okres;
        EXPECT_EQ(SprawdzDaneLokaty(dane).blad, p.blad) << p.opis;
    }
}

TEST_F(TDaneLokatyTest, SprawdzenieZaokraglaKwoteIOczyszczaNazwe) {
    TDaneLokaty dane = Poprawne();
    dane.nazwa = QStringLiteral("  Lokata  3/12");
    dane.tekstKwoty = QStringLiteral("1234,564");
    const TSprawdzoneDaneLokaty wynik = SprawdzDaneLokaty(dane);
    EXPECT_EQ(wynik.blad, TBladDanychLokaty::Brak);
    EXPECT_EQ(wynik.nazwa, QStringLiteral("Lokata 312"));
    EXPECT_DOUBLE_EQ(wynik.kwota, 1234.56);
}

TEST_F(TDaneLokatyTest, NoweIdLokatyTo1DlaPustejListyAPotemNajwyzszePlus1000) {
    std::vector<std::unique_ptr<TLokata>> lokaty;
    EXPECT_EQ(NoweIdLokaty(lokaty), 1);

    lokaty.push_back(std::make_unique<TLokata>());
    lokaty.back()->SetId(7);
    lokaty.back()->SetZmiany(TTypModyfikacji::Usunieto); // deleted ones count too
    lokaty.push_back(std::make_unique<TLokata>());
    lokaty.back()->SetId(1);
    EXPECT_EQ(NoweIdLokaty(lokaty), 1007);
}

TEST_F(TDaneLokatyTest, ZapiszDaneWLokacieNieRuszaAktywnosciAniRodzajuZmiany) {
    TLokata lokata;
    lokata.SetId(5);
    lokata.SetAktywna(true);
    lokata.SetZmiany(TTypModyfikacji::BezZmian);
    TDaneLokaty dane = Poprawne();
    dane.jednostka = TJednostkaOkresu::Tydzien;
    const TSprawdzoneDaneLokaty sprawdzone = SprawdzDaneLokaty(dane);

    ZapiszDaneWLokacie(lokata, dane, sprawdzone, 42);

    EXPECT_EQ(lokata.Id(), 5);
    EXPECT_EQ(lokata.Nazwa(), QStringLiteral("Lokata roczna"));
    EXPECT_DOUBLE_EQ(lokata.Kwota(), 1000.0);
    EXPECT_EQ(lokata.OkresLokaty(), 12);
    EXPECT_EQ(lokata.fJednostkaLokaty, TJednostkaOkresu::Tydzien);
    EXPECT_DOUBLE_EQ(lokata.DataRozpoczecia(), dane.dataRozpoczecia);
    EXPECT_EQ(lokata.IdHarmonogramLokaty(), 42);
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::BezZmian);
}

} // namespace
