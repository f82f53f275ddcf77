#include "UruchomPolecenie.h"
#include "common/Fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kStrona = SciezkaFixture("strona_lokat.html");

TWynikPolecenia Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("strona", argumenty);
}

TEST(StronaCommandTest, JsonListsTheOffersOfThePageWithTheOfferKeys) {
    const TWynikPolecenia wynik = Uruchom({kStrona, "--bank", "Bank Przykładowy", "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_TRUE(wynik.err.isEmpty());
    const QJsonArray oferty = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 5);
    const QJsonObject pierwsza = oferty[0].toObject();
    const QStringList klucze = {"Bank",
                                "BankNazwaOprocentowanie",
                                "HarmonogramDodanyPrzezUzytkownika",
                                "Id",
                                "JednostkaDepozytu",
                                "Kapitalizacja",
                                "KapitalizacjaNazwa",
                                "KwotaMaksymalna",
                                "KwotaMinimalna",
                                "MozliwoscWczesniejszegoZerwaniaLokaty",
                                "NazwaHarmonogramu",
                                "NazwaWyswietlana",
                                "OkresDepozytu",
                                "OkresLokaty",
                                "OprocentowanieStaleWCalymOkresieLokaty",
                                "OprocentowanieWSkaliRoku",
                                "PozostaleInformacje",
                                "WarunkiWczesniejszegoZerwaniaLokaty",
                                "WymaganeKontoOsobisteWTymBanku"};
    EXPECT_EQ(pierwsza.keys(), klucze);
    EXPECT_EQ(pierwsza["Id"].toInt(), -1);
    EXPECT_EQ(pierwsza["Bank"].toString(), "Bank Przykładowy");
    EXPECT_EQ(pierwsza["NazwaHarmonogramu"].toString(), "Lokata na start");
    EXPECT_EQ(pierwsza["OkresDepozytu"].toInt(), 6);
    EXPECT_EQ(pierwsza["JednostkaDepozytu"].toInt(), 2);
    EXPECT_EQ(pierwsza["Kapitalizacja"].toInt(), 4);
    EXPECT_EQ(pierwsza["OprocentowanieWSkaliRoku"].toDouble(), 5.1);
    EXPECT_EQ(pierwsza["KwotaMaksymalna"].toDouble(), 100000);
    EXPECT_EQ(pierwsza["WarunkiWczesniejszegoZerwaniaLokaty"].toString(), "utrata odsetek");
    EXPECT_EQ(pierwsza["HarmonogramDodanyPrzezUzytkownika"].toBool(true), false);
    EXPECT_EQ(oferty[1].toObject()["NazwaHarmonogramu"].toString(), "Lokata & bonus");
}

TEST(StronaCommandTest, TableShowsOneLinePerOfferUnderTheOfferTitles) {
    const TWynikPolecenia wynik = Uruchom({kStrona, "--bank=Bank"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QStringList linie = wynik.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(linie.size(), 6);
    EXPECT_TRUE(linie[0].startsWith("Bank  Nazwa")) << linie[0].toStdString();
    EXPECT_TRUE(linie[1].contains("Lokata na start")) << linie[1].toStdString();
    EXPECT_TRUE(linie[1].contains("5,10%"));
}

TEST(StronaCommandTest, PageErrorPrintsTheOffersBeforeItAndFails) {
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("strona.html");
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write("<body><div class=hidden></div><table id=lokaty>"
               "<tr class=a><td>-</td><td>3 M</td><td><b>3%</b><div>kwartalna</div></td><td>1</td>"
               "<td>2</td><td>dobra</td><td>x</td><td>-</td></tr>"
               "<tr class=a><td>-</td><td>3 M</td><td><b>3%</b><div>tygodniowa</div></td><td>1</td>"
               "<td>2</td><td>zła</td><td>x</td><td>-</td></tr></table></body>");
    plik.close();
    const TWynikPolecenia wynik = Uruchom({sciezka, "--bank", "B", "--json"});
    EXPECT_EQ(wynik.kod, 1);
    EXPECT_EQ(wynik.err, "Nie można pobrać kapitalizacji\ntygodniowa\n");
    const QJsonArray oferty = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(oferty.size(), 1);
    EXPECT_EQ(oferty[0].toObject()["NazwaHarmonogramu"].toString(), "Dobra");
}

TEST(StronaCommandTest, WrongArgumentsAndMissingFile) {
    SprawdzBledyIPomoc("strona",
                       {{{}, 2, "Podaj plik strony"},
                        {{kStrona}, 2, "Podaj nazwę banku"},
                        {{kStrona, "--bank", " "}, 2, "Podaj nazwę banku"},
                        {{kStrona, "inny.html", "--bank", "B"}, 2, "Nieznany argument: inny.html"},
                        {{"/nie/ma/strony.html", "--bank", "B"}, 1, "Nie można odczytać pliku"}},
                       "Użycie: talvora strona PLIK --bank NAZWA");
}

} // namespace
