#include "UruchomPolecenie.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/TestHttpServer.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TUstawieniaLokat.h"
#include "data/TempDatabaseFile.h"
#include "platform/WebAddresses.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QByteArray kSciezkaKursu = "/api/exchangerates/rates/a/eur/?format=json";

QByteArray Skrot(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(plik.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// The cells of a table line: texts separated by two blanks or more.
QStringList Komorki(const QString& wiersz) {
    QStringList komorki;
    for (const QString& czesc : wiersz.split("  ", Qt::SkipEmptyParts))
        komorki << czesc.trimmed();
    return komorki;
}

TestHttpResponse Kurs(const QByteArray& mid, int status = 200) {
    TestHttpResponse odpowiedz;
    odpowiedz.status = status;
    odpowiedz.contentType = "application/json; charset=utf-8";
    odpowiedz.body = R"({"table":"A","currency":"euro","code":"EUR","rates":[{"no":"239/A/NBP/)"
                     R"(2026","effectiveDate":"2026-12-09","mid":)" +
                     mid + "}]}";
    return odpowiedz;
}

// Today is 2026-12-10. A data file with three offers of two banks (one bank
// spelled twice), deposits of 300,000 and 200,000 zł in the first at 0 %, one
// of 10,000 zł in the second at 5 %, one without an offer and an ended one;
// the NBP API served by a loopback server.
class GwarancjeCommandTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings("Brenvik", "Talvora").clear();
        qputenv("no_proxy", "127.0.0.1,localhost");
        WebAddresses::SetNbpApi(serwer.base());
        TProjektDB projekt(plik.path());
        TKolekcjeDanych& k = projekt.Kolekcje();
        const auto oferta = [&k](const char* bank, double procent) {
            auto h = std::make_unique<THarmonogramLokatyBankowej>();
            h->fBank = bank;
            h->fNazwaHarmonogramu = "Lokata";
            h->fOkresDepozytu = 6;
            h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
            h->fOprocentowanieWSkaliRoku = procent;
            h->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
            h->fZmiany = TTypModyfikacji::Dodano;
            k.HarmonogramyLokatBankowych().push_back(std::move(h));
        };
        oferta("Alfa Bank", 0);
        oferta("ALFA BANK", 0);
        oferta("Beta", 5);
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
        const auto lokata = [&k](const char* nazwa, double kwota, int32_t oferta, bool aktywna) {
            k.Lokaty().push_back(std::make_unique<TLokata>(
                -1, nazwa, kwota, EncodeDate(2026, 10, 1), 6, TJednostkaOkresu::Miesiac, oferta,
                aktywna, TTypModyfikacji::Dodano));
        };
        lokata("Alfa pierwsza", 300000, 1, true);
        lokata("Alfa druga", 200000, 2, true);
        lokata("Beta", 10000, 3, true);
        lokata("Bez oferty", 5000, -1, true);
        lokata("Zakończona", 900000, 1, false);
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }
    void TearDown() override {
        WebAddresses::RestoreDefaults();
        QSettings("Brenvik", "Talvora").clear();
    }

    TWynikPolecenia Uruchom(const QStringList& argumenty) {
        return UruchomPolecenie("gwarancje", QStringList{"--db", plik.path()} + argumenty);
    }

    QJsonObject Json(const QStringList& argumenty) {
        const TWynikPolecenia wynik = Uruchom(argumenty + QStringList{"--json"});
        EXPECT_EQ(wynik.kod, 0) << wynik.err.toStdString();
        return QJsonDocument::fromJson(wynik.out.toUtf8()).object();
    }

    ScriptedMessageBoxes boxes;
    ScopedClock zegar{EncodeDateTime(2026, 12, 10, 10, 0)};
    TestHttpServer serwer;
    TempDatabaseFile plik;
};

// The estimate the deposit list shows for the deposit in Beta.
double ZyskBeta(const QString& sciezka) {
    TProjektDB projekt(sciezka);
    TKolekcjeDanych& k = projekt.Kolekcje();
    return k.Lokaty()[2]->ObliczSzacowanyZyskZLokaty(k.PobierzHarmonogramLokatyBankowejDlaID(3));
}

TEST_F(GwarancjeCommandTest, JsonSumsEachBankAgainstTheLimitLargestFirst) {
    const double zyskBeta = ZyskBeta(plik.path());
    ASSERT_GT(zyskBeta, 0);
    const QByteArray przed = Skrot(plik.path());
    const TWynikPolecenia wynik = Uruchom({"--kurs-eur", "4,2630", "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    // Money to the grosz; the top-level keys in this order.
    EXPECT_TRUE(wynik.out.startsWith(R"({"KursEUR":4.263,"DataKursu":null,)"
                                     R"("ZrodloKursu":"podany","Limit":426300,"Banki":[)"))
        << wynik.out.toStdString();
    EXPECT_TRUE(wynik.out.contains(
        R"({"Bank":"Alfa Bank","LiczbaLokat":2,"Kwota":500000,"SzacowanyZysk":0,)"
        R"("Razem":500000,"Limit":426300,"Nadwyzka":73700})"))
        << wynik.out.toStdString();

    const QJsonObject g = QJsonDocument::fromJson(wynik.out.toUtf8()).object();
    const QJsonArray banki = g["Banki"].toArray();
    ASSERT_EQ(banki.size(), 2);
    const QJsonObject beta = banki[1].toObject();
    EXPECT_EQ(beta.keys(), QStringList({"Bank", "Kwota", "LiczbaLokat", "Limit", "Nadwyzka",
                                        "Razem", "SzacowanyZysk"}));
    EXPECT_EQ(beta["Bank"].toString(), "Beta");
    EXPECT_DOUBLE_EQ(beta["SzacowanyZysk"].toDouble(), std::round(zyskBeta * 100) / 100);
    EXPECT_DOUBLE_EQ(beta["Razem"].toDouble(), std::round((10000 + zyskBeta) * 100) / 100);
    EXPECT_EQ(beta["Nadwyzka"].toDouble(), 0);

    const QJsonObject bezBanku = g["BezPrzypisanegoBanku"].toObject();
    EXPECT_EQ(bezBanku["LiczbaLokat"].toInt(), 1);
    EXPECT_EQ(bezBanku["Razem"].toDouble(), 5000);

    // A given rate downloads nothing; the file is only read.
    EXPECT_TRUE(serwer.requests().empty());
    EXPECT_EQ(Skrot(plik.path()), przed);
}

TEST_F(GwarancjeCommandTest, RateFromTheApiThenStoredThenBuiltIn) {
    serwer.serve(kSciezkaKursu, Kurs("4.3"));
    const QJsonObject nbp = Json({});
    EXPECT_EQ(nbp["ZrodloKursu"].toString(), "NBP");
    EXPECT_EQ(nbp["KursEUR"].toDouble(), 4.3);
    EXPECT_EQ(nbp["DataKursu"].toString(), "2026-12-09");
    EXPECT_EQ(nbp["Limit"].toDouble(), 430000);
    EXPECT_EQ(nbp["Banki"].toArray()[0].toObject()["Nadwyzka"].toDouble(), 70000);

    // Once a day: the same day the stored rate is used.
    serwer.serve(kSciezkaKursu, Kurs("4.5"));
    const QJsonObject zapisany = Json({});
    EXPECT_EQ(zapisany["ZrodloKursu"].toString(), "zapisany");
    EXPECT_EQ(zapisany["KursEUR"].toDouble(), 4.3);
    EXPECT_EQ(zapisany["DataKursu"].toString(), "2026-12-09");
    EXPECT_EQ(serwer.requestCount(kSciezkaKursu), 1);

    // Nothing stored and the API failing: the rate built into the program.
    QSettings("Brenvik", "Talvora").clear();
    serwer.serve(kSciezkaKursu, Kurs("4.5", 404));
    const QJsonObject wbudowany = Json({});
    EXPECT_EQ(wbudowany["ZrodloKursu"].toString(), "wbudowany");
    EXPECT_EQ(wbudowany["DataKursu"].toString(), "2024-12-31");
    EXPECT_EQ(wbudowany["KursEUR"].toDouble(), 4.273);
}

TEST_F(GwarancjeCommandTest, BrandsJoinedInTheSettingsAreOneBank) {
    TUstawieniaLokat::UstawPolaczoneBanki({{"alfa bank", "Beta"}});
    const QJsonArray banki = Json({"--kurs-eur", "4.2630"})["Banki"].toArray();
    ASSERT_EQ(banki.size(), 1);
    EXPECT_EQ(banki[0].toObject()["Bank"].toString(), "Alfa Bank / Beta");
    EXPECT_EQ(banki[0].toObject()["LiczbaLokat"].toInt(), 3);
}

TEST_F(GwarancjeCommandTest, TableWithTheLimitTheBanksAndTheWarningLines) {
    const TWynikPolecenia wynik = Uruchom({"--kurs-eur", "4.2630"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QStringList linie = wynik.out.split('\n');
    ASSERT_GE(linie.size(), 9) << wynik.out.toStdString();
    EXPECT_EQ(linie[0], "Gwarancja BFG w jednym banku: 100 000 EUR ≈ 426 300,00 zł, kurs podany "
                        "4,2630");
    EXPECT_EQ(Komorki(linie[2]), QStringList({"Bank", "Lokaty", "Kwota", "Szacowany zysk", "Razem",
                                              "Ponad gwarancję"}));
    EXPECT_EQ(Komorki(linie[3]), QStringList({"Alfa Bank", "2", "500 000,00 zł", "0,00 zł",
                                              "500 000,00 zł", "73 700,00 zł"}));
    EXPECT_EQ(Komorki(linie[4]).first(), "Beta");
    EXPECT_EQ(Komorki(linie[4]).last(), "0,00 zł");
    EXPECT_EQ(Komorki(linie[5]), QStringList({"bez przypisanego banku", "1", "5 000,00 zł",
                                              "0,00 zł", "5 000,00 zł", "—"}));
    EXPECT_EQ(linie[7], "W banku Alfa Bank: 500 000,00 zł — o 73 700,00 zł ponad gwarancję BFG "
                        "(100 000 EUR ≈ 426 300,00 zł, kurs podany 4,2630)");
}

TEST(GwarancjeCommand, ArgumentsAndAMissingFile) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile brak;
    SprawdzBledyIPomoc(
        "gwarancje",
        {
            {{}, 2, "Podaj plik danych: --db PLIK."},
            {{"--db", "x.dat", "--kurs-eur", "abc"}, 2, "Nie można odczytać kursu EUR: \"abc\""},
            {{"--db", "x.dat", "--kurs-eur", "0,5"}, 2, "Nie można odczytać kursu EUR: \"0,5\""},
            {{"--db", "x.dat", "--kurs-eur", "20,01"}, 2, "Nie można odczytać kursu EUR"},
            {{"--db", "x.dat", "--csv"}, 2, "Nieznany argument: --csv"},
            {{"--db", brak.path(), "--kurs-eur", "4"}, 1, "Nie ma pliku danych"},
        },
        "Użycie: talvora gwarancje --db PLIK [--kurs-eur KURS] [--json]");
    EXPECT_TRUE(QDir(brak.folder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

} // namespace
