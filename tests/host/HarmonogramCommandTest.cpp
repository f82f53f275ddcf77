#include "UruchomPolecenie.h"

#include "common/ScopedClock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TWynikPolecenia Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("harmonogram", argumenty);
}

const QStringList kTrzyMiesiace = {
    "--kwota",          "10 000", "--okres",         "3",          "--jednostka", "miesiac",
    "--oprocentowanie", "5",      "--kapitalizacja", "miesieczna", "--start",     "2024-01-31"};

TEST(HarmonogramCommandTest, JsonListsEveryPeriodToTheGrosz) {
    const TWynikPolecenia wynik = Uruchom(kTrzyMiesiace + QStringList{"--json"});
    EXPECT_EQ(wynik.kod, 0);
    EXPECT_EQ(wynik.err, "");
    EXPECT_EQ(wynik.out, R"({"Okresy":[)"
                         R"({"Od":"2024-01-31","Do":"2024-02-29","Dni":29,"OdsetkiBrutto":39.73,)"
                         R"("Podatek":7.55,"OdsetkiNetto":32.18,"Kapital":10032.18},)"
                         R"({"Od":"2024-02-29","Do":"2024-03-31","Dni":31,"OdsetkiBrutto":42.6,)"
                         R"("Podatek":8.1,"OdsetkiNetto":34.5,"Kapital":10066.68},)"
                         R"({"Od":"2024-03-31","Do":"2024-04-30","Dni":30,"OdsetkiBrutto":41.37,)"
                         R"("Podatek":7.87,"OdsetkiNetto":33.5,"Kapital":10100.18}],)"
                         R"("OdsetkiBrutto":123.7,"Podatek":23.52,"OdsetkiNetto":100.18,)"
                         R"("KwotaKoncowa":10100.18,"DataZakonczenia":"2024-04-30",)"
                         R"("RentownoscNettoRoczna":4.062855555555556})"
                         "\n");
}

TEST(HarmonogramCommandTest, BasisAndTodayAsDefaultStart) {
    ScopedClock zegar(EncodeDateTime(2025, 1, 1, 18, 30));
    const QStringList lokata = {"--kwota",
                                "10000",
                                "--okres",
                                "6",
                                "--jednostka",
                                "miesiac",
                                "--oprocentowanie",
                                "5,0",
                                "--kapitalizacja",
                                "po-okresie-umowy",
                                "--json"};
    const QJsonObject p365 = QJsonDocument::fromJson(Uruchom(lokata).out.toUtf8()).object();
    EXPECT_EQ(p365.value("OdsetkiBrutto").toDouble(), 247.95);
    EXPECT_EQ(p365.value("DataZakonczenia").toString(), "2025-07-01");
    const QJsonObject p360 =
        QJsonDocument::fromJson(Uruchom(lokata + QStringList{"--podstawa", "360"}).out.toUtf8())
            .object();
    EXPECT_EQ(p360.value("OdsetkiBrutto").toDouble(), 251.39);
    EXPECT_EQ(p360.value("Podatek").toDouble(), 47.77);
    EXPECT_EQ(p360.value("Okresy").toArray().size(), 1);
}

TEST(HarmonogramCommandTest, TextShowsTheTableAndTotals) {
    const TWynikPolecenia wynik = Uruchom(kTrzyMiesiace);
    EXPECT_EQ(wynik.kod, 0);
    EXPECT_EQ(wynik.out,
              "Od                  Do  Dni  Odsetki brutto  Podatek  Odsetki netto       Kapitał\n"
              "2024-01-31  2024-02-29   29        39,73 zł  7,55 zł       32,18 zł  10 032,18 zł\n"
              "2024-02-29  2024-03-31   31        42,60 zł  8,10 zł       34,50 zł  10 066,68 zł\n"
              "2024-03-31  2024-04-30   30        41,37 zł  7,87 zł       33,50 zł  10 100,18 zł\n"
              "\n"
              "Odsetki brutto:                    123,70 zł\n"
              "Podatek (19%):                      23,52 zł\n"
              "Odsetki netto:                     100,18 zł\n"
              "Kwota końcowa:                  10 100,18 zł\n"
              "Data zakończenia:                 2024-04-30\n"
              "Rentowność netto w skali roku:         4,06%\n");
}

TEST(HarmonogramCommandTest, ArgumentErrorsAndRangeFailures) {
    auto bez = [](const QString& opcja) {
        QStringList argumenty = kTrzyMiesiace;
        const qsizetype i = argumenty.indexOf(opcja);
        argumenty.remove(i, 2);
        return argumenty;
    };
    auto z = [](const QString& opcja, const QString& wartosc) {
        QStringList argumenty = kTrzyMiesiace;
        argumenty[argumenty.indexOf(opcja) + 1] = wartosc;
        return argumenty;
    };
    SprawdzBledyIPomoc(
        "harmonogram",
        {
            {bez("--kwota"), 2, "Brak wymaganego argumentu --kwota."},
            {z("--kwota", "0"), 2, "Nie można odczytać kwoty: \"0\""},
            {z("--kwota", "-5"), 2, "Nie można odczytać kwoty"},
            {z("--okres", "0"), 2, "Nie można odczytać okresu: \"0\""},
            {z("--jednostka", "brak"), 2, "Nie można odczytać jednostki okresu: \"brak\""},
            {z("--oprocentowanie", "4,5%"), 2, "Nie można odczytać oprocentowania"},
            {z("--kapitalizacja", "tygodniowa"), 2, "Nie można odczytać kapitalizacji"},
            {z("--start", "31.01.2024"), 2, "Nie można odczytać daty rozpoczęcia"},
            {kTrzyMiesiace + QStringList{"--podstawa", "364"}, 2, "Nie można odczytać podstawy"},
            {kTrzyMiesiace + QStringList{"--db", "x"}, 2, "Nieznany argument: --db"},
            {z("--oprocentowanie", "1000000000"), 1, "Kwota lokaty z odsetkami przekracza zakres"},
            {z("--kapitalizacja", "dzienna") + QStringList{"--okres", "300", "--jednostka", "rok"},
             2, "Argument --okres podano więcej niż raz."},
        },
        "Użycie: talvora harmonogram");
    QStringList dlugi = z("--kapitalizacja", "dzienna");
    dlugi[dlugi.indexOf("--okres") + 1] = "4000";
    const TWynikPolecenia wynik = Uruchom(dlugi);
    EXPECT_EQ(wynik.kod, 1);
    EXPECT_EQ(wynik.err, "Harmonogram miałby więcej niż 100 000 okresów kapitalizacji.\n");
}

} // namespace
