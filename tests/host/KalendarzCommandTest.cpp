#include "UruchomPolecenie.h"
#include "common/CsvReader.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "domain/TPlikKalendarza.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using TWynik = TWynikPolecenia;

TWynik Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("kalendarz", argumenty);
}

QByteArray Zawartosc(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

// Today is 2013-06-01. A data file with one offer (6 % a year, interest at
// the end of the term) and deposits ending in June (two, one without an
// offer), in July, one overdue and one ended by the user.
class KalendarzCommandTest : public testing::Test {
protected:
    void SetUp() override {
        TProjektDB projekt(plik.path());
        TKolekcjeDanych& k = projekt.Kolekcje();
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fBank = "mBank";
        oferta->fNazwaHarmonogramu = "Lokata miesięczna";
        oferta->fOprocentowanieWSkaliRoku = 6;
        oferta->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        oferta->fZmiany = TTypModyfikacji::Dodano;
        k.HarmonogramyLokatBankowych().push_back(std::move(oferta));
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
        const auto dodaj = [&k](const char* nazwa, double kwota, TDateTime start, int32_t oferta,
                                bool aktywna) {
            k.Lokaty().push_back(std::make_unique<TLokata>(-1, nazwa, kwota, start, 1,
                                                           TJednostkaOkresu::Miesiac, oferta,
                                                           aktywna, TTypModyfikacji::Dodano));
        };
        dodaj("Czerwiec", 12000, EncodeDate(2013, 5, 30), 1, true);       // id 1, ends 2013-06-30
        dodaj("Lipiec", 5000, EncodeDate(2013, 6, 1), 1, true);           // id 2, ends 2013-07-01
        dodaj("Zaległa", 700, EncodeDate(2013, 4, 20), 1, true);          // id 3, ends 2013-05-20
        dodaj("Zakończona", 900, EncodeDate(2013, 5, 10), 1, false);      // id 4
        dodaj("Bez oferty, ale", 3000, EncodeDate(2013, 5, 1), -1, true); // id 5, ends 2013-06-01
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }

    ScriptedMessageBoxes boxes;
    ScopedClock zegar{EncodeDateTime(2013, 6, 1, 12, 0)};
    TempDatabaseFile plik;
};

TEST_F(KalendarzCommandTest, JsonGivesEachMonthWithItsSumsAndDepositIds) {
    const TWynik wynik = Uruchom({"--db", plik.path(), "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QJsonArray miesiace = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(miesiace.size(), 3) << wynik.out.toStdString();
    const QJsonObject poTerminie = miesiace[0].toObject();
    EXPECT_EQ(poTerminie.keys(),
              QStringList({"Ilosc", "Kwota", "Lokaty", "Miesiac", "SzacowanyZysk"}));
    EXPECT_EQ(poTerminie["Miesiac"].toString(), "po terminie");
    EXPECT_EQ(poTerminie["Lokaty"].toArray(), QJsonArray({3}));

    // 12000 for a month (30 days in the estimate) at 6 %: 60 gross, 11 tax.
    const QJsonObject czerwiec = miesiace[1].toObject();
    EXPECT_EQ(czerwiec["Miesiac"].toString(), "2013-06");
    EXPECT_EQ(czerwiec["Ilosc"].toInt(), 2);
    EXPECT_EQ(czerwiec["Kwota"].toDouble(), 15000);
    EXPECT_EQ(czerwiec["Lokaty"].toArray(), QJsonArray({5, 1}));
    EXPECT_DOUBLE_EQ(czerwiec["SzacowanyZysk"].toDouble(), 49);

    const QJsonObject lipiec = miesiace[2].toObject();
    EXPECT_EQ(lipiec["Miesiac"].toString(), "2013-07");
    EXPECT_EQ(lipiec["Lokaty"].toArray(), QJsonArray({2}));
}

// The CSV is the calendar tab's list: each deposit of the JSON's months, in
// its month's order, under the month's heading; the amounts as numbers.
TEST_F(KalendarzCommandTest, CsvListsEachDepositUnderItsMonth) {
    const TWynik csv = Uruchom({"--db", plik.path(), "--csv"});
    ASSERT_EQ(csv.kod, 0) << csv.err.toStdString();
    const auto wiersze = CsvReader::Read(csv.out);
    ASSERT_TRUE(wiersze.has_value()) << csv.out.toStdString();
    EXPECT_EQ(wiersze->front(),
              QStringList({"Grupa", "Nazwa", "Kwota", "Szacowana data zakończenia",
                           "Szacowany zysk", "Ilość dni do zakończenia", "Lokata bankowa"}));
    const QJsonArray miesiace =
        QJsonDocument::fromJson(Uruchom({"--db", plik.path(), "--json"}).out.toUtf8()).array();
    std::size_t wiersz = 1;
    for (const QJsonValue& wartosc : miesiace) {
        const QJsonObject m = wartosc.toObject();
        double kwota = 0;
        for (int i = 0; i < m["Ilosc"].toInt(); ++i, ++wiersz) {
            ASSERT_LT(wiersz, wiersze->size());
            const QStringList& w = (*wiersze)[wiersz];
            EXPECT_EQ(w[0], (*wiersze)[wiersz - i][0]) << "one heading per month";
            kwota += QString(w[2]).replace(u',', u'.').toDouble();
        }
        EXPECT_DOUBLE_EQ(kwota, m["Kwota"].toDouble()) << m["Miesiac"].toString().toStdString();
    }
    EXPECT_EQ(wiersz, wiersze->size());
    EXPECT_TRUE((*wiersze)[1][0].startsWith("Po terminie   (lokat: 1, kwota: 700,00 zł"));
    EXPECT_EQ((*wiersze)[1].mid(1, 2), QStringList({"Zaległa", "700,00"}));
    EXPECT_TRUE((*wiersze)[2][0].startsWith("czerwiec 2013   (lokat: 2, kwota: 15 000,00 zł"))
        << (*wiersze)[2][0].toStdString();
}

TEST_F(KalendarzCommandTest, TableListsMonthsWithTheirDeposits) {
    const TWynik wynik = Uruchom({"--db=" + plik.path()});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QStringList wiersze = wynik.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 4) << wynik.out.toStdString();
    EXPECT_TRUE(wiersze[0].startsWith("Miesiąc  "));
    EXPECT_TRUE(wiersze[1].startsWith("po terminie  "));
    EXPECT_TRUE(wiersze[2].startsWith("2013-06      "));
    EXPECT_TRUE(wiersze[2].contains("15 000,00 zł"));
    EXPECT_TRUE(wiersze[2].endsWith("Bez oferty, ale, Czerwiec")) << wiersze[2].toStdString();
}

TEST_F(KalendarzCommandTest, IcsWritesTheEventsAndKeepsTheirUidsOnTheNextExport) {
    const QString ics = plik.folder() + "/lokaty.ics";
    const TWynik wynik = Uruchom({"--db", plik.path(), "--ics", ics});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_EQ(wynik.out, "Zapisano " + ics + " (wydarzenia: 3)\n");
    const QByteArray pierwszy = Zawartosc(ics);
    EXPECT_EQ(pierwszy.count("BEGIN:VEVENT"), 3);
    EXPECT_FALSE(pierwszy.contains("Zaległa"));
    EXPECT_TRUE(
        pierwszy.contains(("UID:" + TPlikKalendarza::Uid(1, plik.path()) + "\r\n").toUtf8()));

    zegar.set(EncodeDateTime(2013, 6, 2, 9, 0));
    ASSERT_EQ(Uruchom({"--db", plik.path(), "--ics", ics}).kod, 0);
    const QByteArray drugi = Zawartosc(ics);
    const auto uidy = [](const QByteArray& tekst) {
        QList<QByteArray> wynik;
        for (const QByteArray& linia : tekst.split('\n'))
            if (linia.startsWith("UID:"))
                wynik << linia;
        return wynik;
    };
    // The deposit ending on 2013-06-01 is no longer an event.
    EXPECT_EQ(uidy(drugi), uidy(pierwszy).mid(1));
}

TEST_F(KalendarzCommandTest, AFileWithoutActiveDepositsGivesAnEmptyCalendar) {
    TempDatabaseFile pusty;
    { TProjektDB projekt(pusty.path()); }
    EXPECT_EQ(Uruchom({"--db", pusty.path()}).out, "Brak aktywnych lokat.\n");
    EXPECT_EQ(Uruchom({"--db", pusty.path(), "--json"}).out, "[]\n");
}

TEST_F(KalendarzCommandTest, ArgumentsAndFileErrorsCreateNothing) {
    const QString brak = plik.folder() + "/Brak.dat";
    SprawdzBledyIPomoc(
        "kalendarz",
        {
            {{}, 2, "Podaj plik danych: --db PLIK."},
            {{"--db", plik.path(), "--ics"}, 2, "Argument --ics wymaga wartości."},
            {{"--db", plik.path(), "--ics="}, 2, "Podaj plik kalendarza: --ics PLIK."},
            {{"--db", plik.path(), "--json", "--ics", "x.ics"},
             2,
             "Argumenty --json i --ics wykluczają się."},
            {{"--db", plik.path(), "--ics", "x.ics", "--csv"},
             2,
             "Argumenty --ics i --csv wykluczają się."},
            {{"--db", brak}, 1, "Nie ma pliku danych "},
            {{"--db", plik.path(), "--ics", plik.folder()}, 1, "Nie udało się zapisać pliku"},
        },
        "Użycie: talvora kalendarz --db PLIK [--json | --csv | --ics PLIK]");
    EXPECT_FALSE(QFileInfo::exists(brak));
    EXPECT_FALSE(QFileInfo::exists("x.ics"));
}

} // namespace
