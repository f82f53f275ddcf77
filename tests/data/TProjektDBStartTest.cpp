#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EBazaTylkoDoOdczytu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TSchematBazy.h"
#include "data/sqlite/TSQLiteTable.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList Posortowane(QStringList lista) {
    lista.sort();
    return lista;
}

TEST(TProjektDBStart, NewFileGetsTheWholeLayout) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
    TProjektDB projekt(file.path());
    TSQLiteDatabase& baza = projekt.Baza();

    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
    EXPECT_EQ(Obiekty(baza, "table"), Posortowane(TSchematBazy::NazwyTabel()));
    EXPECT_EQ(Obiekty(baza, "table").size(), 16);
    EXPECT_EQ(Obiekty(baza, "index"), Posortowane(TSchematBazy::NazwyIndeksow()));
    EXPECT_EQ(Obiekty(baza, "view"), Posortowane(TSchematBazy::NazwyWidokow()));
    EXPECT_FALSE(baza.TableExists("Talvora_test"));
    EXPECT_EQ(Wiersze(baza, "SELECT Id, Opis FROM Czestotliwosci ORDER BY Id"),
              QStringList({"-1|Nigdy", "0|Codziennie", "1|Co tydzień", "2|Co miesiąc",
                           "3|Co dwa miesiące", "4|Co kwartał", "5|Co pół roku", "6|Co rok",
                           "7|Uruchamiane ręcznie"}));
    EXPECT_EQ(TypKolumny(baza, "Lokaty", "Aktywna"), "INTEGER");
    EXPECT_EQ(TypKolumny(baza, "KategorieOszczednosci", "Dlug"), "BOOL");
    EXPECT_EQ(projekt.Kolekcje().TabelaLokaty().IleKolumn(), 8);
    EXPECT_EQ(projekt.WyswietlanaTabela(), TTabele::Pusta);
    EXPECT_FALSE(projekt.ReadOnlyMode());
    EXPECT_FALSE(baza.IsTransactionOpen());
}

TEST(TProjektDBStart, ViewsJoinTheTablesUnderTheirTitles) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
    TProjektDB projekt(file.path());
    TSQLiteDatabase& baza = projekt.Baza();
    for (const char* sql : {
             "INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Jedzenie', 0, 1)",
             "INSERT INTO KategoriePrzychodow (Opis, Usuniety, Waga) VALUES ('Pensja', 0, 1)",
             "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES ('Konto', 0, 1, 0, 1)",
             "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES ('Skarbonka', 0, 1, 0, 2)",
             "INSERT INTO Osoby (Imie, Nazwisko, Waga) VALUES ('Jan', 'Nowak', 1)",
             "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, "
             "IdOsoba) VALUES (1, 12.5, 1, '2013-05-14 10:00', 1)",
             "INSERT INTO Przychody (IdKategoriaPrzychody, Ile, IdKategoriaOszczednosci, Data, "
             "IdOsoba) VALUES (1, 100, 1, '2013-05-15 10:00', 1)",
             "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) "
             "VALUES (1, 500, '2013-05-01 00:00')",
             "INSERT INTO HistoriaPrzelewow (Ile, IdKategoriaOszczednosciFrom, "
             "IdKategoriaOszczednosciTo, Data) VALUES (5, 1, 2, '2013-05-02 00:00')",
             "INSERT INTO ZleceniaStale (IdKategorii, IdOszczednosci, Nazwa, Kwota, Czestotliwosc, "
             "TypZleceniaStalego, Data, Aktywne) VALUES (1, 1, 'Czynsz', 300, 2, 0, "
             "'2013-05-03 00:00', 1)",
             "INSERT INTO HistoriaZlecenStalych (IdKategorii, IdZleceniaStalego, IdOszczednosci, "
             "Kwota, Czestotliwosc, TypZleceniaStalego, Data, IdOsoba) VALUES (1, 1, 1, 300, 2, 0, "
             "'2013-05-04 00:00', 1)",
         })
        baza.ExecSQL(sql);

    EXPECT_EQ(Wiersze(baza, "SELECT * FROM vWydatki"),
              QStringList({"1|12.5|Jedzenie|Konto|2013-05-14 10:00|Jan Nowak|NULL|0"}));
    EXPECT_EQ(Wiersze(baza, "SELECT * FROM vPrzychody"),
              QStringList({"1|100.0|Pensja|Konto|2013-05-15 10:00|Jan Nowak|NULL|0"}));
    EXPECT_EQ(Wiersze(baza, "SELECT * FROM vOszczednosci"),
              QStringList({"1|Konto|500.0|2013-05-01 00:00|NULL"}));
    EXPECT_EQ(Wiersze(baza, "SELECT * FROM vHistoriaPrzelewowOszczednosci"),
              QStringList({"1|5.0|Konto|Skarbonka|2013-05-02 00:00"}));
    EXPECT_EQ(
        Wiersze(baza, "SELECT * FROM vZleceniaStale"),
        QStringList({"1|Jedzenie|Konto|Czynsz|300.0|Co miesiąc|Wydatki|2013-05-03 00:00|TAK"}));
    EXPECT_EQ(Wiersze(baza, "SELECT * FROM vHistoriaZlecenStalych"),
              QStringList({"1|Jedzenie|Czynsz|Konto|300.0|Co miesiąc|Wydatki|2013-05-04 00:00|NULL|"
                           "Jan Nowak"}));
    EXPECT_EQ(Wiersze(baza, "SELECT Kategoria, Kwota FROM vHistoriaPrzychodowRozchodow"),
              QStringList({"Jedzenie|-12.5", "Pensja|100.0"}));
    const auto tytuly = baza.GetTable("SELECT * FROM vWydatki");
    EXPECT_EQ(tytuly->Columns(), QStringList({"ID", "KWOTA", "NA CO", "CZYM ZAPŁACONO", "KIEDY",
                                              "KTO", "KOMENTARZ", "ZLECENIESTALE"}));
}

TEST(TProjektDBStart, StartingAgainChangesNothing) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
    QStringList poPierwszym;
    {
        TProjektDB projekt(file.path());
        projekt.Baza().ExecSQL("INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) "
                               "VALUES ('Lokata', 1000, '2013-05-14 00:00')");
        poPierwszym = ZrzutBazy(projekt.Baza());
    }
    TProjektDB projekt(file.path());
    EXPECT_EQ(ZrzutBazy(projekt.Baza()), poPierwszym);
    EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST(TProjektDBStart, OlderFilesGainTheMissingColumns) {
    TempDatabaseFile file;
    UtworzPlik(file.path(),
               {"CREATE TABLE KategorieOszczednosci (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
                "Opis VARCHAR NOT NULL, Usuniety BOOL NOT NULL, MoznaZaplacic BOOL NOT NULL)",
                "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic) "
                "VALUES ('Konto', 0, 1)",
                "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic) "
                "VALUES ('Skarbonka', 1, 0)",
                "CREATE TABLE KategorieWydatkow (Id INTEGER PRIMARY KEY AUTOINCREMENT, Opis "
                "VARCHAR NOT NULL, Usuniety BOOL NOT NULL)",
                "CREATE TABLE Osoby (Id INTEGER PRIMARY KEY AUTOINCREMENT, Imie VARCHAR NOT NULL, "
                "Nazwisko VARCHAR NOT NULL, Pseudonim VARCHAR, Adres VARCHAR, Telefon VARCHAR)",
                "INSERT INTO Osoby (Imie, Nazwisko) VALUES ('Jan', 'Nowak')",
                // Of the two columns added to expenses, only the second is missing.
                "CREATE TABLE Wydatki (Id INTEGER PRIMARY KEY AUTOINCREMENT, IdKategoriaWydatki "
                "INTEGER NOT NULL, Ile REAL NOT NULL, IdKategoriaOszczednosci INTEGER NOT NULL, "
                "Data DATETIME NOT NULL, IdOsoba INTEGER NOT NULL, Komentarz TEXT, "
                "ZlecenieStale BOOL NOT NULL DEFAULT 0)",
                "CREATE TABLE HistoriaPrzelewow (Id INTEGER PRIMARY KEY AUTOINCREMENT, Ile REAL "
                "NOT NULL, IdKategoriaOszczednosciFrom INTEGER NOT NULL, "
                "IdKategoriaOszczednosciTo INTEGER NOT NULL, Data DATETIME NOT NULL)",
                "CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa TEXT NOT NULL, "
                "Kwota REAL NOT NULL DEFAULT 0, DataRozpoczecia DATETIME NOT NULL, OkresLokaty "
                "INTEGER NOT NULL DEFAULT 0, JednostkaLokaty INTEGER NOT NULL DEFAULT -1, "
                "IdHarmonogramLokaty INTEGER NOT NULL DEFAULT -1)",
                "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) "
                "VALUES ('Stara', 500, '2012-01-02 00:00')",
                "CREATE TABLE Plany (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa TEXT NOT NULL)",
                "CREATE TABLE Oszczednosci (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
                "IdKategoriaOszczednosci INTEGER NOT NULL, Ile REAL NOT NULL, Data DATETIME NOT "
                "NULL, Komentarz TEXT)"});
    ScriptedMessageBoxes boxes;
    TProjektDB projekt(file.path());
    TSQLiteDatabase& baza = projekt.Baza();

    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
    for (const TSchematBazy::TUzupelnienie& u : TSchematBazy::Uzupelnienia())
        EXPECT_NO_THROW(baza.GetTable("SELECT " + u.kolumna + " FROM " + u.tabela))
            << u.polecenie.toStdString();
    EXPECT_EQ(Wiersze(baza, "SELECT Opis, Waga, Dlug FROM KategorieOszczednosci ORDER BY Id"),
              QStringList({"Konto|10|0", "Skarbonka|10|0"}));
    EXPECT_EQ(TypKolumny(baza, "KategorieOszczednosci", "Dlug"), "");
    EXPECT_EQ(Wiersze(baza, "SELECT Imie, Waga, Usuniety FROM Osoby"), QStringList({"Jan|10|0"}));

    // An added Aktywna keeps its declared BOOL, so the deposit reads it as text.
    EXPECT_EQ(TypKolumny(baza, "Lokaty", "Aktywna"), "BOOL");
    const auto lokaty = baza.GetTable("SELECT * FROM Lokaty");
    EXPECT_EQ(lokaty->ColumnTypes()[lokaty->ColumnIndexByName("Aktywna")], TSQLiteTable::Text);
    EXPECT_EQ(lokaty->FieldAsStringByName("Aktywna"), "0");
    EXPECT_EQ(lokaty->FieldAsStringByName("Nazwa"), "Stara");
    for (const QString& widok : TSchematBazy::NazwyWidokow())
        EXPECT_NO_THROW(baza.GetTable("SELECT * FROM " + widok)) << widok.toStdString();
}

TEST(TProjektDBStart, OldLayoutsKeepTheirRowsUnderANewName) {
    TempDatabaseFile file;
    UtworzPlik(file.path(),
               {"CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa TEXT NOT NULL, "
                "Kwota REAL NOT NULL, DataRozpoczecia DATETIME NOT NULL, IloscMiesiecy INTEGER "
                "NOT NULL, Oprocentowanie REAL)",
                "INSERT INTO Lokaty VALUES (3, 'Roczna', 1000, '2010-01-01 00:00', 12, 4.5)",
                "INSERT INTO Lokaty VALUES (7, 'Kwartalna', 250.5, '2010-02-01 00:00', 3, NULL)",
                "CREATE TABLE Lokaty_stary_uklad (x)",
                "CREATE TABLE ZleceniaStale (Id INTEGER PRIMARY KEY AUTOINCREMENT, IdKategorii "
                "INTEGER NOT NULL, IdKategoriiOszczednosci INTEGER NOT NULL, Nazwa TEXT NOT NULL, "
                "Kwota REAL NOT NULL)",
                "INSERT INTO ZleceniaStale VALUES (1, 4, 2, 'Czynsz', 300)",
                "CREATE VIEW vZleceniaStale AS SELECT IdKategoriiOszczednosci FROM ZleceniaStale"});
    ScriptedMessageBoxes boxes;
    QStringList poPierwszym;
    {
        TProjektDB projekt(file.path());
        TSQLiteDatabase& baza = projekt.Baza();
        EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();

        EXPECT_EQ(Wiersze(baza, "SELECT * FROM Lokaty_stary_uklad_2 ORDER BY Id"),
                  QStringList({"3|Roczna|1000.0|2010-01-01 00:00|12|4.5",
                               "7|Kwartalna|250.5|2010-02-01 00:00|3|NULL"}));
        EXPECT_EQ(Wiersze(baza, "SELECT * FROM Lokaty ORDER BY Id"),
                  QStringList({"3|Roczna|1000.0|2010-01-01 00:00|12|2|-1|0",
                               "7|Kwartalna|250.5|2010-02-01 00:00|3|2|-1|0"}));
        EXPECT_EQ(Wiersze(baza, "SELECT * FROM ZleceniaStale_stary_uklad"),
                  QStringList({"1|4|2|Czynsz|300.0"}));
        EXPECT_EQ(Wiersze(baza, "SELECT count(*) FROM ZleceniaStale"), QStringList({"0"}));
        EXPECT_EQ(TypKolumny(baza, "ZleceniaStale", "IdOszczednosci"), "INTEGER");
        // Other tables still refer to the current table, and the views are the current ones.
        EXPECT_TRUE(baza.GetTableString("SELECT sql FROM sqlite_master WHERE name = "
                                        "'HistoriaZlecenStalych'")
                        .contains("REFERENCES \"ZleceniaStale\" (\"Id\")"));
        EXPECT_EQ(baza.GetTable("SELECT * FROM vZleceniaStale")->RowCount(), 0u);
        EXPECT_EQ(baza.GetTableValue("SELECT seq FROM sqlite_sequence WHERE name = 'Lokaty'"), 7);
        poPierwszym = ZrzutBazy(baza);
    }
    TProjektDB projekt(file.path());
    EXPECT_EQ(ZrzutBazy(projekt.Baza()), poPierwszym);
}

} // namespace
