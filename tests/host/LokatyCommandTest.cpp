#include "UruchomPolecenie.h"
#include "common/CsvReader.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "data/ZrzutBazy.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using TWynik = TWynikPolecenia;

// The cells of a table line: texts separated by two blanks or more.
QStringList Komorki(const QString& wiersz) {
    QStringList komorki;
    for (const QString& czesc : wiersz.split("  ", Qt::SkipEmptyParts))
        komorki << czesc.trimmed();
    return komorki;
}

TWynik Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("lokaty", argumenty);
}

// A data file with one offer, a deposit that follows it and an ended deposit
// without an offer, written through the project's own savers.
class LokatyCommandTest : public testing::Test {
protected:
    void SetUp() override {
        TProjektDB projekt(plik.path());
        TKolekcjeDanych& k = projekt.Kolekcje();
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fBank = "mBank";
        oferta->fNazwaHarmonogramu = "Lokata roczna";
        oferta->fOkresDepozytu = 12;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = 4.5;
        oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
        oferta->fZmiany = TTypModyfikacji::Dodano;
        k.HarmonogramyLokatBankowych().push_back(std::move(oferta));
        ASSERT_TRUE(
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
        k.Lokaty().push_back(std::make_unique<TLokata>(
            -1, "Wakacje nad morzem", 10000.55, EncodeDate(2013, 5, 14), 12,
            TJednostkaOkresu::Miesiac, 1, true, TTypModyfikacji::Dodano));
        k.Lokaty().push_back(std::make_unique<TLokata>(-2, "Stara", 500.5, EncodeDate(2012, 1, 2),
                                                       3, TJednostkaOkresu::Miesiac, -1, false,
                                                       TTypModyfikacji::Dodano));
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }

    ScriptedMessageBoxes boxes;
    ScopedClock zegar{EncodeDateTime(2013, 6, 1, 12, 0)};
    TempDatabaseFile plik;
};

TEST_F(LokatyCommandTest, JsonCarriesTheExactValuesOfEveryDeposit) {
    const TWynik wynik = Uruchom({"--db", plik.path(), "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_TRUE(wynik.err.isEmpty());
    EXPECT_TRUE(wynik.out.contains(R"("SzacowanyZysk":null)"));
    const QJsonArray lokaty = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    ASSERT_EQ(lokaty.size(), 2);

    // The estimate the module computes for the same deposit and offer.
    TProjektDB projekt(plik.path());
    TKolekcjeDanych& k = projekt.Kolekcje();
    const double zysk =
        k.Lokaty()[0]->ObliczSzacowanyZyskZLokaty(k.PobierzHarmonogramLokatyBankowejDlaID(1));
    ASSERT_GT(zysk, 0);

    const QJsonObject pierwsza = lokaty[0].toObject();
    const QStringList klucze = {"Aktywna",
                                "DataRozpoczecia",
                                "Id",
                                "IdHarmonogramLokaty",
                                "IloscDniDoZakonczenia",
                                "JednostkaLokaty",
                                "Kwota",
                                "LokataBankowa",
                                "Nazwa",
                                "OkresLokaty",
                                "OkresLokatyString",
                                "SzacowanaDataZakonczenia",
                                "SzacowanyZysk"};
    EXPECT_EQ(pierwsza.keys(), klucze);
    EXPECT_EQ(pierwsza["Id"].toInt(), 1);
    EXPECT_EQ(pierwsza["Nazwa"].toString(), "Wakacje nad morzem");
    EXPECT_EQ(pierwsza["Kwota"].toDouble(), 10000.55);
    EXPECT_EQ(pierwsza["DataRozpoczecia"].toString(), "2013-05-14");
    EXPECT_EQ(pierwsza["OkresLokaty"].toInt(), 12);
    EXPECT_EQ(pierwsza["JednostkaLokaty"].toInt(), 2);
    EXPECT_EQ(pierwsza["OkresLokatyString"].toString(), "12 miesięcy");
    EXPECT_EQ(pierwsza["IdHarmonogramLokaty"].toInt(), 1);
    EXPECT_EQ(pierwsza["LokataBankowa"].toString(), "mBank - Lokata roczna 12M (4,50%)");
    EXPECT_EQ(pierwsza["SzacowanaDataZakonczenia"].toString(), "2014-05-14");
    EXPECT_EQ(pierwsza["SzacowanyZysk"].toDouble(), zysk);
    EXPECT_EQ(pierwsza["IloscDniDoZakonczenia"].toInt(), 347);
    EXPECT_EQ(pierwsza["Aktywna"].toBool(false), true);

    const QJsonObject druga = lokaty[1].toObject();
    EXPECT_EQ(druga.keys(), klucze);
    EXPECT_EQ(druga["Kwota"].toDouble(), 500.5);
    EXPECT_EQ(druga["JednostkaLokaty"].toInt(), 2);
    EXPECT_EQ(druga["IdHarmonogramLokaty"].toInt(), -1);
    EXPECT_EQ(druga["LokataBankowa"].toString(), "");
    EXPECT_TRUE(druga["SzacowanyZysk"].isNull());
    EXPECT_EQ(druga["IloscDniDoZakonczenia"].toInt(), 2147483647);
    EXPECT_EQ(druga["Aktywna"].toBool(true), false);
}

TEST_F(LokatyCommandTest, TableShowsTheColumnsOfTheDepositList) {
    const TWynik wynik = Uruchom({"--db=" + plik.path()});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QStringList wiersze = wynik.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 3) << wynik.out.toStdString();
    EXPECT_EQ(
        Komorki(wiersze[0]),
        QStringList({"Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania", "Lokata bankowa",
                     "Szacowana data zakończenia", "Szacowany zysk", "Ilość dni do zakończenia"}));
    for (const QString& wiersz : wiersze)
        EXPECT_EQ(wiersz.size(), wiersze[0].size()) << "columns line up: " << wiersz.toStdString();
    const QStringList pierwsza = Komorki(wiersze[1]);
    ASSERT_EQ(pierwsza.size(), 8) << wiersze[1].toStdString();
    EXPECT_EQ(pierwsza.mid(0, 5),
              QStringList({"Wakacje nad morzem", "10 000,55 zł", "2013-05-14", "12 miesięcy",
                           "mBank - Lokata roczna 12M (4,50%)"}));
    EXPECT_EQ(pierwsza[5], "2014-05-14");
    EXPECT_TRUE(pierwsza[6].endsWith(" zł"));
    EXPECT_EQ(pierwsza[7], "347");
    EXPECT_EQ(Komorki(wiersze[2]),
              QStringList({"Stara", "500,50 zł", "2012-01-02", "3 miesiące", "2012-04-02",
                           "wybierz lokatę bankową aby policzyć szacowany zysk",
                           "Lokata nie jest aktywna"}))
        << "an empty offer cell leaves a gap";
}

// As the window lists them when it opens: active deposits first, each group
// by estimated end date; not by id.
TEST_F(LokatyCommandTest, ListsInTheOrderOfTheDepositsWindow) {
    {
        TProjektDB projekt(plik.path());
        projekt.Kolekcje().Lokaty().push_back(
            std::make_unique<TLokata>(-1, "Krótka", 2000, EncodeDate(2013, 5, 20), 3,
                                      TJednostkaOkresu::Miesiac, 1, true, TTypModyfikacji::Dodano));
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }
    const QJsonArray lokaty =
        QJsonDocument::fromJson(Uruchom({"--db", plik.path(), "--json"}).out.toUtf8()).array();
    QStringList nazwy;
    for (const auto& lokata : lokaty)
        nazwy << lokata.toObject()["Nazwa"].toString();
    EXPECT_EQ(nazwy, QStringList({"Krótka", "Wakacje nad morzem", "Stara"}));

    const QStringList wiersze = Uruchom({"--db", plik.path()}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 4);
    EXPECT_TRUE(wiersze[1].startsWith("Krótka  ")) << wiersze[1].toStdString();
    EXPECT_TRUE(wiersze[3].startsWith("Stara  ")) << wiersze[3].toStdString();
}

// A number as the CSV writes it: digits with a decimal comma, nothing else.
double LiczbaCSV(const QString& pole) {
    bool poprawna = false;
    const double liczba = QString(pole).replace(u',', u'.').toDouble(&poprawna);
    EXPECT_TRUE(poprawna && !pole.contains(u' ') && !pole.contains(u'.')) << pole.toStdString();
    return liczba;
}

// The CSV, read back by a strict reader, has the deposits of the JSON in the
// same order, each in the deposit list's columns under its group.
TEST_F(LokatyCommandTest, CsvReadsBackToTheRowsOfTheJson) {
    const QString nazwa = "Dom; \"remont\"\nna wiosnę \x1b[2J";
    {
        TProjektDB projekt(plik.path());
        projekt.Kolekcje().Lokaty().push_back(
            std::make_unique<TLokata>(-1, nazwa, 300000, EncodeDate(2013, 5, 20), 3,
                                      TJednostkaOkresu::Miesiac, 1, true, TTypModyfikacji::Dodano));
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }
    const TWynik csv = Uruchom({"--db", plik.path(), "--csv"});
    ASSERT_EQ(csv.kod, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.startsWith(QChar(QChar::ByteOrderMark)));
    const auto wiersze = CsvReader::Read(csv.out);
    ASSERT_TRUE(wiersze.has_value()) << csv.out.toStdString();
    const QJsonArray lokaty =
        QJsonDocument::fromJson(Uruchom({"--db", plik.path(), "--json"}).out.toUtf8()).array();
    ASSERT_EQ(wiersze->size(), lokaty.size() + 1u);
    EXPECT_EQ(wiersze->front(),
              QStringList({"Grupa", "Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania",
                           "Lokata bankowa", "Szacowana data zakończenia", "Szacowany zysk",
                           "Ilość dni do zakończenia"}));

    for (qsizetype i = 0; i < lokaty.size(); ++i) {
        const QJsonObject l = lokaty[i].toObject();
        const QStringList& w = (*wiersze)[static_cast<std::size_t>(i) + 1];
        ASSERT_EQ(w.size(), 9) << i;
        EXPECT_EQ(w[0], l["Aktywna"].toBool() ? "Lokaty aktywne" : "Lokaty nieaktywne, zakończone");
        // Control characters that would act on a terminal are shown, not sent.
        EXPECT_EQ(w[1], l["Nazwa"].toString().replace(u'\x1b', QChar(QChar::ReplacementCharacter)));
        EXPECT_EQ(LiczbaCSV(w[2]), l["Kwota"].toDouble());
        EXPECT_EQ(w[3], l["DataRozpoczecia"].toString());
        EXPECT_EQ(w[4], l["OkresLokatyString"].toString());
        EXPECT_EQ(w[5], l["LokataBankowa"].toString());
        EXPECT_EQ(w[6], l["SzacowanaDataZakonczenia"].toString());
        if (l["SzacowanyZysk"].isNull())
            EXPECT_EQ(w[7], "wybierz lokatę bankową aby policzyć szacowany zysk");
        else
            EXPECT_NEAR(LiczbaCSV(w[7]), l["SzacowanyZysk"].toDouble(), 0.005);
        const int dni = l["IloscDniDoZakonczenia"].toInt();
        EXPECT_EQ(w[8], dni == TLokata::kDniNieaktywnej ? "Lokata nie jest aktywna"
                                                        : QString::number(dni));
    }
    // The name keeps its line break (the data file drops ";" and quotes).
    EXPECT_TRUE((*wiersze)[1][1].startsWith("Dom remont\nna wiosnę"))
        << (*wiersze)[1][1].toStdString();
    EXPECT_EQ((*wiersze)[1][2], "300000,00");
}

// Today is 2013-06-01: one deposit ended a month ago, one ends today, one in
// a week and one in eight days; the fixture's others end next year or are
// not active.
TEST_F(LokatyCommandTest, EndingSoonListsOnlyOverdueAndThoseEndingWithinTheDays) {
    {
        TProjektDB projekt(plik.path());
        TKolekcjeDanych& k = projekt.Kolekcje();
        const auto dodaj = [&k](const char* nazwa, TDateTime start) {
            k.Lokaty().push_back(std::make_unique<TLokata>(-1, nazwa, 1000, start, 1,
                                                           TJednostkaOkresu::Miesiac, 1, true,
                                                           TTypModyfikacji::Dodano));
        };
        dodaj("Za osiem dni", EncodeDate(2013, 5, 9));
        dodaj("Za tydzień", EncodeDate(2013, 5, 8));
        dodaj("Dziś", EncodeDate(2013, 5, 1));
        dodaj("Po terminie", EncodeDate(2013, 4, 1));
        ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    }
    const TWynik json = Uruchom({"--db", plik.path(), "--koncza-sie", "7", "--json"});
    ASSERT_EQ(json.kod, 0) << json.err.toStdString();
    QStringList nazwy;
    for (const QJsonValue& l : QJsonDocument::fromJson(json.out.toUtf8()).array())
        nazwy << l.toObject()["Nazwa"].toString();
    EXPECT_EQ(nazwy, QStringList({"Po terminie", "Dziś", "Za tydzień"}));

    const TWynik tabela = Uruchom({"--db", plik.path(), "--koncza-sie", "0"});
    ASSERT_EQ(tabela.kod, 0);
    const QStringList linie = tabela.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(linie.size(), 4) << tabela.out.toStdString();
    EXPECT_EQ(linie[0], "Lokaty po terminie: 1,   kończące się w ciągu 0 dni: 1");
    EXPECT_EQ(Komorki(linie[2]).first(), "Po terminie");
    EXPECT_EQ(Komorki(linie[3]).first(), "Dziś");
}

TEST_F(LokatyCommandTest, EndingSoonWithNoneSaysSo) {
    const TWynik tekst = Uruchom({"--db", plik.path(), "--koncza-sie", "7"});
    EXPECT_EQ(tekst.kod, 0);
    EXPECT_EQ(tekst.out, "Brak lokat po terminie i kończących się w ciągu 7 dni.\n");
    const TWynik json = Uruchom({"--db", plik.path(), "--koncza-sie", "7", "--json"});
    EXPECT_EQ(json.kod, 0);
    EXPECT_EQ(json.out, "[]\n");
}

TEST(LokatyCommand, ArgumentsAndStartUpErrors) {
    ScriptedMessageBoxes boxes;
    SprawdzBledyIPomoc(
        "lokaty",
        {
            {{}, 2, "Podaj plik danych: --db PLIK."},
            {{"--db"}, 2, "Argument --db wymaga wartości."},
            {{"--db", "x.dat", "--xml"}, 2, "Nieznany argument: --xml"},
            {{"--db", "x.dat", "--csv", "--json"}, 2, "Argumenty --json i --csv wykluczają się."},
            {{"--db", "x.dat", "--koncza-sie", "tydzień"},
             2,
             "Nie można odczytać liczby dni: \"tydzień\""},
            {{"--db", "x.dat", "--koncza-sie", "-1"}, 2, "Nie można odczytać liczby dni"},
            {{"--db", "/proc/DataFile.dat"}, 1, "Nie ma pliku danych /proc/DataFile.dat."},
        },
        "Użycie: talvora lokaty --db PLIK [--koncza-sie DNI] [--json | --csv]");
}

// A reading tool creates nothing: neither the file nor its folders.
TEST(LokatyCommand, MissingFileIsAnErrorAndCreatesNothing) {
    TempDatabaseFile plik;
    const QString brak = plik.folder() + "/a/b/DataFile.dat";
    for (const QString& sciezka : {plik.path(), brak, plik.folder()}) {
        const TWynik wynik = Uruchom({"--db", sciezka});
        EXPECT_EQ(wynik.kod, 1);
        EXPECT_EQ(wynik.err, "Nie ma pliku danych " + sciezka + ".\n");
        EXPECT_TRUE(wynik.out.isEmpty());
    }
    EXPECT_TRUE(QDir(plik.folder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

QByteArray Zawartosc(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

// An old layout is read without being upgraded in the user's file, and a
// refusal names the user's file, not the copy the tool works on.
TEST(LokatyCommand, TheFileIsNeverChanged) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile stary, obcy;
    UtworzPlik(stary.path(), {"CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa "
                              "TEXT NOT NULL, Kwota REAL NOT NULL, DataRozpoczecia DATETIME NOT "
                              "NULL, IloscMiesiecy INTEGER NOT NULL)",
                              "INSERT INTO Lokaty VALUES (1, 'Roczna', 1000, '2010-01-01', 12)"});
    UtworzPlik(obcy.path(), {"CREATE TABLE klienci (id INTEGER PRIMARY KEY, nazwisko TEXT)"});
    const QByteArray przed = Zawartosc(stary.path());

    const TWynik wynik = Uruchom({"--db", stary.path(), "--json"});
    EXPECT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(wynik.out.toUtf8()).array()[0].toObject()["Nazwa"].toString(),
              "Roczna");
    EXPECT_EQ(Zawartosc(stary.path()), przed);

    const TWynik odmowa = Uruchom({"--db", obcy.path()});
    EXPECT_EQ(odmowa.kod, 1);
    EXPECT_TRUE(odmowa.err.startsWith("Plik \"" + obcy.path() + "\" nie jest plikiem z danymi"))
        << odmowa.err.toStdString();
}

} // namespace
