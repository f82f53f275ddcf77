#include "UruchomPolecenie.h"

#include "common/ScopedClock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using Wynik = TWynikPolecenia;

Wynik Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("zysk", argumenty);
}

QStringList Lokata(const QString& kwota, const QString& okres, const QString& jednostka,
                   const QString& oprocentowanie, const QString& kapitalizacja) {
    return {"--kwota",         kwota,        "--okres",          okres,
            "--jednostka",     jednostka,    "--oprocentowanie", oprocentowanie,
            "--kapitalizacja", kapitalizacja};
}

TEST(ZyskCommandTest, JsonCarriesTheExactValues) {
    struct Case {
        QStringList argumenty;
        QString json;
    } cases[] = {
        {Lokata("10000", "3", "miesiac", "4,5", "miesieczna") +
             QStringList{"--start", "2013-01-31"},
         R"({"SzacowanyZysk":91.92,"IloscOkresowKapitalizacji":3,)"
         R"("SzacowanaDataZakonczenia":"2013-04-30","OkresLokatyWDniach":89,)"
         R"("OkresLokatyString":"3 miesiące"})"},
        {Lokata("10 000,00", "1", "rok", "4", "kwartalna") + QStringList{"--start=2012-02-29"},
         R"({"SzacowanyZysk":329.03999999999996,"IloscOkresowKapitalizacji":4,)"
         R"("SzacowanaDataZakonczenia":"2013-02-28","OkresLokatyWDniach":365,)"
         R"("OkresLokatyString":"1 rok"})"},
        {Lokata("5000.00", "45", "dzien", "3.0", "miesieczna") +
             QStringList{"--start", "2013-01-01"},
         R"({"SzacowanyZysk":15.77,"IloscOkresowKapitalizacji":1.5,)"
         R"("SzacowanaDataZakonczenia":"2013-02-15","OkresLokatyWDniach":45,)"
         R"("OkresLokatyString":"45 dni"})"},
        {Lokata("10000", "1", "miesiac", "5", "roczna") + QStringList{"--start", "2013-01-01"},
         R"({"SzacowanyZysk":33.67,"IloscOkresowKapitalizacji":0.08333333333333333,)"
         R"("SzacowanaDataZakonczenia":"2013-02-01","OkresLokatyWDniach":31,)"
         R"("OkresLokatyString":"1 miesiąc"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argumenty.join(' ').toStdString());
        const Wynik wynik = Uruchom(c.argumenty + QStringList{"--json"});
        EXPECT_EQ(wynik.kod, 0);
        EXPECT_EQ(wynik.out, c.json + "\n");
        EXPECT_EQ(wynik.err, "");
        EXPECT_FALSE(QJsonDocument::fromJson(wynik.out.toUtf8()).isNull());
    }
}

TEST(ZyskCommandTest, HumanTextAndTodayAsDefaultStart) {
    ScopedClock zegar(EncodeDateTime(2013, 1, 31, 15, 45));
    const Wynik wynik = Uruchom(Lokata("10000", "3", "miesiac", "4.5", "miesieczna"));
    EXPECT_EQ(wynik.kod, 0);
    EXPECT_EQ(wynik.out, "Szacowany zysk netto:         91,92 zł\n"
                         "Okresy kapitalizacji:         3\n"
                         "Szacowana data zakończenia:   2013-04-30\n"
                         "Okres lokaty w dniach:        89\n"
                         "Okres lokaty:                 3 miesiące\n");
}

TEST(ZyskCommandTest, OverflowingEstimateIsNullOrClearText) {
    const QString ogromna = "1" + QString(300, '0');
    const QStringList argumenty = Lokata(ogromna, "100", "rok", "1000000", "miesieczna") +
                                  QStringList{"--start", "2013-01-01"};
    const Wynik json = Uruchom(argumenty + QStringList{"--json"});
    EXPECT_EQ(json.kod, 0);
    const QJsonObject obiekt = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_TRUE(obiekt.value("SzacowanyZysk").isNull()) << json.out.toStdString();
    EXPECT_EQ(obiekt.value("IloscOkresowKapitalizacji").toDouble(), 1200);
    EXPECT_EQ(obiekt.value("SzacowanaDataZakonczenia").toString(), "2113-01-01");

    const Wynik tekst = Uruchom(argumenty);
    EXPECT_EQ(tekst.kod, 0);
    EXPECT_TRUE(tekst.out.startsWith(
        "Szacowany zysk netto:         nieskończoność (kwota poza zakresem obliczeń)\n"))
        << tekst.out.toStdString();
}

TEST(ZyskCommandTest, WrongArgumentsExitWithTwoAndAPolishMessage) {
    const QStringList dobre = Lokata("10000", "3", "miesiac", "4,5", "miesieczna");
    struct Case {
        QStringList argumenty;
        QString komunikat;
    } cases[] = {
        {dobre.mid(2), "Brak wymaganego argumentu --kwota."},
        {Lokata("abc", "3", "miesiac", "4,5", "miesieczna"), "Nie można odczytać kwoty: \"abc\""},
        {Lokata("10 000 zł", "3", "miesiac", "4,5", "miesieczna"), "Nie można odczytać kwoty"},
        {Lokata("1" + QString(400, '0'), "3", "miesiac", "4,5", "miesieczna"),
         "Nie można odczytać kwoty"},
        {Lokata("-100", "3", "miesiac", "4,5", "miesieczna"),
         "Nie można odczytać kwoty: \"-100\" (oczekiwano kwoty większej od zera"},
        {Lokata("0", "3", "miesiac", "4,5", "miesieczna"), "Nie można odczytać kwoty"},
        {Lokata("0,004", "3", "miesiac", "4,5", "miesieczna"), "Nie można odczytać kwoty"},
        {Lokata("10000", "3", "miesiac", "-0,5", "miesieczna"),
         "Nie można odczytać oprocentowania: \"-0,5\""},
        {Lokata("10000", "70000", "miesiac", "4,5", "miesieczna"), "Nie można odczytać okresu"},
        {Lokata("10000", "-1", "miesiac", "4,5", "miesieczna"), "Nie można odczytać okresu"},
        {Lokata("10000", "3", "kwartal", "4,5", "miesieczna"),
         "Nie można odczytać jednostki okresu: \"kwartal\""},
        {Lokata("10000", "3", "miesiac", "4,5%", "miesieczna"),
         "Nie można odczytać oprocentowania"},
        {Lokata("10000", "3", "miesiac", "4,5", "co-tydzien"), "Nie można odczytać kapitalizacji"},
        {dobre + QStringList{"--start", "2013-02-30"}, "Nie można odczytać daty rozpoczęcia"},
        {dobre + QStringList{"--start"}, "Argument --start wymaga wartości."},
        {dobre + QStringList{"--okres", "4"}, "Argument --okres podano więcej niż raz."},
        {dobre + QStringList{"--wynik"}, "Nieznany argument: --wynik"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argumenty.join(' ').toStdString());
        const Wynik wynik = Uruchom(c.argumenty);
        EXPECT_EQ(wynik.kod, 2);
        EXPECT_TRUE(wynik.err.startsWith(c.komunikat)) << wynik.err.toStdString();
        EXPECT_TRUE(wynik.err.endsWith("\nOpis argumentów: talvora zysk --help\n"));
        EXPECT_EQ(wynik.out, "");
    }
}

TEST(ZyskCommandTest, HelpExplainsTheArguments) {
    const Wynik wynik = Uruchom({"--help"});
    EXPECT_EQ(wynik.kod, 0);
    EXPECT_TRUE(wynik.out.startsWith("Użycie: talvora zysk --kwota KWOTA"))
        << wynik.out.toStdString();
    for (const char* slowo : {"--okres", "--jednostka", "--oprocentowanie", "--kapitalizacja",
                              "--start", "--json", "po-okresie-umowy"})
        EXPECT_TRUE(wynik.out.contains(slowo)) << slowo;
    EXPECT_EQ(wynik.err, "");
}

} // namespace
