#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteTable.h"
#include "platform/BuildConfig.h"

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

namespace {

class TProjektDBWczytywanie : public testing::Test {
protected:
    void SetUp() override { projekt = std::make_unique<TProjektDB>(plik.path()); }

    void Wykonaj(std::initializer_list<const char*> polecenia) {
        baza().BeginTransaction();
        for (const char* polecenie : polecenia)
            baza().ExecSQL(QString::fromUtf8(polecenie));
        baza().Commit();
    }
    TSQLiteDatabase& baza() { return projekt->Baza(); }
    TKolekcjeDanych& k() { return projekt->Kolekcje(); }

    ScriptedMessageBoxes boxes;
    ScopedClock zegar{EncodeDateTime(2013, 6, 1, 12, 0)};
    TempDatabaseFile plik;
    std::unique_ptr<TProjektDB> projekt;
};

TEST_F(TProjektDBWczytywanie, DepositsAndOffersConvertEveryCell) {
    Wykonaj({"INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
             "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja, "
             "KwotaMinimalna, KwotaMaksymalna, WymaganeKontoOsobisteWTymBanku, "
             "MozliwoscWczesniejszegoZerwaniaLokaty, WarunkiWczesniejszegoZerwaniaLokaty, "
             "PozostaleInformacje, HarmonogramDodanyPrzezUzytkownika, DataDodania) VALUES "
             "('Bank Śląski', 'Lokata „Zysk”', 6, 2, 1, 4.75, 3, 1000.5, 50000, 0, 2, "
             "'utrata odsetek', NULL, 1, '2013-05-14 17:45:09')",
             "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia, OkresLokaty, JednostkaLokaty, "
             "IdHarmonogramLokaty, Aktywna) VALUES ('Żółta lokata', 1234.56, '2013-05-14 09:30', "
             "6, 2, 1, 1), ('Bez jednostki', 5, '2013-05-15 00:00', 0, -1, -1, 0)"});
    projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);

    ASSERT_EQ(k().HarmonogramyLokatBankowych().size(), 1u);
    const THarmonogramLokatyBankowej& h = *k().HarmonogramyLokatBankowych()[0];
    EXPECT_EQ(h.fId, 1);
    EXPECT_EQ(h.fBank, "Bank Śląski");
    EXPECT_EQ(h.fNazwaHarmonogramu, "Lokata „Zysk”");
    EXPECT_EQ(h.fOkresDepozytu, 6u);
    EXPECT_EQ(h.fJednostkaDepozytu, TJednostkaOkresu::Miesiac);
    EXPECT_TRUE(h.fOprocentowanieStaleWCalymOkresieLokaty);
    EXPECT_EQ(h.fOprocentowanieWSkaliRoku, 4.75);
    EXPECT_EQ(h.fKapitalizacja, TKapitalizacja::Kwartalna);
    EXPECT_EQ(h.fKwotaMinimalna, 1000.5);
    EXPECT_EQ(h.fKwotaMaksymalna, 50000);
    EXPECT_FALSE(h.fWymaganeKontoOsobisteWTymBanku);
    EXPECT_TRUE(h.fMozliwoscWczesniejszegoZerwaniaLokaty) << "any number but 0 is true";
    EXPECT_EQ(h.fWarunkiWczesniejszegoZerwaniaLokaty, "utrata odsetek");
    EXPECT_EQ(h.fPozostaleInformacje, "");
    EXPECT_TRUE(h.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_DOUBLE_EQ(h.fDataDodaniaModyfikacji, EncodeDateTime(2013, 5, 14, 17, 45, 9));
    EXPECT_EQ(h.fZmiany, TTypModyfikacji::BezZmian);

    ASSERT_EQ(k().Lokaty().size(), 2u);
    const TLokata& l = *k().Lokaty()[0];
    EXPECT_EQ(l.Id(), 1);
    EXPECT_EQ(l.Nazwa(), "Żółta lokata");
    EXPECT_EQ(l.Kwota(), 1234.56);
    EXPECT_EQ(l.DataRozpoczecia(), EncodeDate(2013, 5, 14)) << "the start day from midnight";
    EXPECT_EQ(l.OkresLokaty(), 6);
    EXPECT_EQ(l.fJednostkaLokaty, TJednostkaOkresu::Miesiac);
    EXPECT_EQ(l.IdHarmonogramLokaty(), 1);
    EXPECT_TRUE(l.Aktywna());
    EXPECT_EQ(k().Lokaty()[1]->fJednostkaLokaty, TJednostkaOkresu::Brak);
    EXPECT_FALSE(k().Lokaty()[1]->Aktywna());
    EXPECT_FALSE(k().ZmienionoINiezapisanoLokaty());
}

TEST_F(TProjektDBWczytywanie, ExpensesComeNewestFirst) {
    Wykonaj({"INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, "
             "IdOsoba, Komentarz, ZlecenieStale, Zalacznik) VALUES "
             "(1, 10, 1, '2013-05-14 10:00', 1, 'pierwszy', 0, NULL), "
             "(2, 20.5, 3, '2013-05-10 08:00:30', 4, NULL, 1, 'paragon.pdf'), "
             "(1, 30, 1, '2013-05-14 10:00', 1, 'trzeci', 0, NULL), "
             "(1, 40, 1, '2013-05-20 10:00', 1, NULL, 0, NULL)"});
    QStringList kolejnoscSQLite;
    const auto wynik = projekt->PobierzDaneZTabeli(TTabele::Wydatki);
    for (; !wynik->Eof(); wynik->Next())
        kolejnoscSQLite.prepend(wynik->FieldAsStringByName("Id"));

    projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki);
    QStringList kolejnosc;
    for (const auto& w : k().Wydatki())
        kolejnosc << QString::number(w->Id());
    EXPECT_EQ(kolejnosc, kolejnoscSQLite) << "the reverse of the query's order";
    EXPECT_EQ(kolejnosc.first(), "4");
    EXPECT_EQ(kolejnosc.last(), "2");

    const TWydatek& w = *k().Wydatki().back();
    EXPECT_EQ(w.IdKategoriaWydatki(), 2);
    EXPECT_EQ(w.Ile(), 20.5);
    EXPECT_EQ(w.IdKategoriaOszczednosci(), 3);
    EXPECT_DOUBLE_EQ(w.Data(), EncodeDateTime(2013, 5, 10, 8, 0, 30));
    EXPECT_EQ(w.IdOsoba(), 4);
    EXPECT_EQ(w.Komentarz(), "");
    EXPECT_TRUE(w.ZlecenieStale());
    EXPECT_EQ(w.Zalacznik(), "paragon.pdf");
}

TEST_F(TProjektDBWczytywanie, SavingsTakeTheirCategoryWeightsAndShowTheActiveDeposits) {
    Wykonaj({"INSERT INTO KategorieOszczednosci (Id, Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES (1, 'Konto', 0, 1, 0, 20), (2, 'Skarbonka', 0, 0, 0, 5)",
             "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data, Komentarz, "
             "TypOszczednosci) VALUES (1, 500, '2013-05-01 00:00', 'główne', 1), "
             "(2, 20.25, '2013-05-02 00:00', NULL, 2), (7, 1, '2013-05-02 00:00', NULL, 1)",
             "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia, OkresLokaty, JednostkaLokaty, "
             "Aktywna) VALUES ('trwa', 1000, '2013-05-01 00:00', 3, 2, 1), "
             "('trwa też', 250.5, '2013-05-20 00:00', 1, 3, 1), "
             "('po terminie', 99, '2013-01-01 00:00', 1, 2, 1), "
             "('nieaktywna', 77, '2013-05-01 00:00', 3, 2, 0)"});
    k().ZyskiZLokatDoDodaniaJakoPrzychod()[1] = 12.5;
    projekt->OdswiezZawartoscKolekcji(TTabele::Kategorie_Oszczednosci);
    projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
    k().Lokaty().push_back(std::make_unique<TLokata>(-1, "usunięta", 5000, EncodeDate(2013, 5, 1),
                                                     3, TJednostkaOkresu::Miesiac, -1, true,
                                                     TTypModyfikacji::Usunieto));
    projekt->SetPokazujLokatyWOszczednosciach(true);
    projekt->OdswiezZawartoscKolekcji(TTabele::Oszczednosci);

    const std::map<int32_t, double> zyski{{1, 12.5}, {2, 0.0}};
    EXPECT_EQ(k().ZyskiZLokatDoDodaniaJakoPrzychod(), zyski) << "a key per category, values kept";

    const auto& o = k().Oszczednosci();
    ASSERT_EQ(o.size(), 3u) << "a balance of a category that does not exist is not joined";
    EXPECT_EQ(o[0]->IdKategoriaOszczednosci(), 2) << "ordered by the category's weight";
    EXPECT_EQ(o[0]->WagaIdKatOszczednosci(), 5u);
    EXPECT_EQ(o[0]->Ile(), 20.25);
    EXPECT_EQ(o[0]->fTypOszczednosci, 2);
    EXPECT_EQ(o[1]->WagaIdKatOszczednosci(), 20u);
    EXPECT_EQ(o[1]->Komentarz(), "główne");

    const TOszczednosc& lokaty = *o[2];
    EXPECT_TRUE(lokaty.OszczednoscZTabeliLokaty());
    EXPECT_EQ(lokaty.IdKategoriaOszczednosci(), -1000);
    EXPECT_EQ(lokaty.Ile(), 1250.5) << "active deposits still running, not deleted";
    EXPECT_EQ(lokaty.WagaIdKatOszczednosci(), 2147483647u);
    EXPECT_EQ(lokaty.Data(), EncodeDateTime(2013, 6, 1, 12, 0));
    EXPECT_EQ(lokaty.Komentarz(), QStringLiteral("<a href=\"") + TALVORA_RANKING_HOST +
                                      "/lokaty_bankowe/\">Ranking lokat bankowych</a>");
    EXPECT_EQ(lokaty.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(k().ZmienionoINiezapisanoOszczednosci());

    projekt->SetPokazujLokatyWOszczednosciach(true);
    EXPECT_EQ(o.size(), 3u) << "the old balance is replaced, not repeated";
    projekt->SetPokazujLokatyWOszczednosciach(false);
    EXPECT_EQ(o.size(), 2u);
}

TEST_F(TProjektDBWczytywanie, EveryOtherTableFillsItsRecords) {
    Wykonaj({"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Zakupy', 0, 3), "
             "('Jedzenie', 1, 3), ('Auto', 0, 1)",
             "INSERT INTO Osoby (Imie, Nazwisko, Pseudonim, Adres, Telefon, Usuniety, Waga) "
             "VALUES ('Jan', 'Nowak', NULL, 'Łódź', '123', 0, 2), ('Anna', 'Kos', 'Ania', NULL, "
             "NULL, 1, 2), ('Zofia', 'Wrona', NULL, NULL, NULL, 0, 1)",
             "INSERT INTO ZleceniaStale (IdKategorii, IdOszczednosci, Nazwa, Kwota, "
             "Czestotliwosc, TypZleceniaStalego, Data, Aktywne) VALUES (1, 2, 'Czynsz', 800, 2, "
             "0, '2013-05-03 00:00', 1), (4, 5, 'Pensja', 5000, 7, 1, '2013-05-04 00:00', 0)",
             "INSERT INTO HistoriaZlecenStalych (IdKategorii, IdZleceniaStalego, IdOszczednosci, "
             "Kwota, Czestotliwosc, TypZleceniaStalego, Data, Komentarz, IdOsoba) VALUES "
             "(4, 2, 5, 5000, -1, 1, '2013-05-05 00:00', NULL, 3), "
             "(1, 1, 2, 800, 2, 0, '2013-05-04 00:00', 'maj', 1)",
             "INSERT INTO HistoriaPrzelewow (Ile, IdKategoriaOszczednosciFrom, "
             "IdKategoriaOszczednosciTo, Data, Komentarz) VALUES (15.5, 1, 2, '2013-05-02 "
             "00:00', NULL)",
             "INSERT INTO StanOszczednosci (Stan, Data) VALUES (1500.75, '2013-05-01 10:00:00')",
             "INSERT INTO Plany (Nazwa, Kwota, IdKategorii, Wykonany, DodanyDoKolekcji, TypPlanu, "
             "Data, Komentarz) VALUES ('Wakacje', 3000, 1, 0, 1, 0, '2013-07-01 00:00', NULL)",
             "INSERT INTO Ograniczenia (IdKategoriiWydatku, MaxMiesiac, MaxRok, RokOgraniczenia, "
             "Data) VALUES (1, 500, 6000, 2013, '2013-01-01 00:00')"});
    projekt->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& kategorie = k().KategorieWydatki();
    ASSERT_EQ(kategorie.size(), 3u);
    EXPECT_EQ(kategorie[0]->Opis(), "Auto") << "by weight, then description";
    EXPECT_EQ(kategorie[1]->Opis(), "Jedzenie");
    EXPECT_TRUE(kategorie[1]->Usuniety());
    EXPECT_EQ(kategorie[2]->Waga(), 3u);

    const auto& osoby = k().Osoby();
    ASSERT_EQ(osoby.size(), 3u);
    EXPECT_EQ(osoby[0]->Imie(), "Zofia");
    EXPECT_EQ(osoby[1]->Imie(), "Anna") << "\"Anna\" || \"Kos\" sorts before \"JanNowak\"";
    EXPECT_EQ(osoby[1]->Pseudonim(), "Ania");
    EXPECT_TRUE(osoby[1]->Usuniety());
    EXPECT_EQ(osoby[2]->Adres(), "Łódź");
    EXPECT_EQ(osoby[2]->Pseudonim(), "");

    ASSERT_EQ(k().ZleceniaStaleWydatki().size(), 1u);
    ASSERT_EQ(k().ZleceniaStalePrzychody().size(), 1u);
    const TZlecenieStale& zp = *k().ZleceniaStalePrzychody()[0];
    EXPECT_EQ(zp.Nazwa(), "Pensja");
    EXPECT_EQ(zp.fCzestotliwosc, 7);
    EXPECT_EQ(zp.fTypZleceniaStalego, 1);
    EXPECT_FALSE(zp.Aktywne());
    EXPECT_EQ(zp.IdOszczednosci(), 5);

    const auto& historia = k().HistoriaZlecenStalych();
    ASSERT_EQ(historia.size(), 2u) << "both kinds of runs in one list, by date";
    EXPECT_EQ(historia[0]->Komentarz(), "maj");
    EXPECT_EQ(historia[0]->IdZleceniaStalego(), 1);
    EXPECT_EQ(historia[1]->fCzestotliwosc, -1);
    EXPECT_EQ(historia[1]->IdOsoba(), 3);

    ASSERT_EQ(k().HistoriaPrzelewow().size(), 1u);
    EXPECT_EQ(k().HistoriaPrzelewow()[0]->Ile(), 15.5);
    EXPECT_EQ(k().HistoriaPrzelewow()[0]->IdKategoriaOszczednosciTO(), 2);
    ASSERT_EQ(k().StanyOszczednosci().size(), 1u);
    EXPECT_EQ(k().StanyOszczednosci()[0]->Stan(), 1500.75);
    EXPECT_DOUBLE_EQ(k().StanyOszczednosci()[0]->Data(), EncodeDateTime(2013, 5, 1, 10, 0));
    ASSERT_EQ(k().Plany().size(), 1u);
    EXPECT_TRUE(k().Plany()[0]->DodanyDoKolekcji());
    EXPECT_EQ(k().Plany()[0]->fTypPlanu, 0);
    ASSERT_EQ(k().Ograniczenia().size(), 1u);
    EXPECT_EQ(k().Ograniczenia()[0]->MaxRok(), 6000);
    EXPECT_EQ(k().Ograniczenia()[0]->RokOgraniczenia(), 2013);
}

TEST_F(TProjektDBWczytywanie, UnsavedChangesAreKeptUnlessTheLoadIsForced) {
    Wykonaj({"INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
             "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja, "
             "WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty, "
             "HarmonogramDodanyPrzezUzytkownika) VALUES ('ING', 'Roczna', 1, 3, 1, 3, 2, 0, 0, 0)",
             "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) VALUES ('a', 1, '2013-05-01 "
             "00:00')",
             "INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Zakupy', 0, 3)"});
    k().HarmonogramyLokatBankowych().clear();
    k().SetZmienionoINiezapisanoLokaty(true);
    k().SetZmienionoINiezapisanoKategorieWydatki(true);

    projekt->WczytajDaneZTabeliDoKolekcji(TTabele::HarmonogramyLokatBankowych);
    projekt->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
    EXPECT_TRUE(k().HarmonogramyLokatBankowych().empty());
    EXPECT_TRUE(k().Lokaty().empty());
    EXPECT_TRUE(k().KategorieWydatki().empty());
    EXPECT_TRUE(k().ZmienionoINiezapisanoLokaty());

    projekt->WczytajDaneZTabelDoKolekcji(TTabele::Kategorie_Wydatki);
    EXPECT_EQ(k().KategorieWydatki().size(), 1u);
    EXPECT_FALSE(k().ZmienionoINiezapisanoKategorieWydatki());
    EXPECT_TRUE(k().Lokaty().empty());

    projekt->WczytajDaneZTabelDoKolekcji(TTabele::HarmonogramyLokatBankowych);
    EXPECT_EQ(k().Lokaty().size(), 1u) << "the deposits and the offers go together";
    EXPECT_EQ(k().HarmonogramyLokatBankowych().size(), 1u);
    EXPECT_FALSE(k().ZmienionoINiezapisanoLokaty());

    k().SetZmienionoINiezapisanoLokaty(true);
    k().Lokaty().clear();
    projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
    EXPECT_EQ(k().Lokaty().size(), 1u);
    EXPECT_FALSE(k().ZmienionoINiezapisanoLokaty());

    projekt->OdswiezZawartoscKolekcji(TTabele::Plany);
    EXPECT_TRUE(k().Plany().empty()) << "an empty table leaves an empty list";
    EXPECT_FALSE(k().ZmienionoINiezapisanoPlany());
}

// The same column name lives in several tables, and a stored value can be
// as long as SQLite allows: the message names the table and the row, and
// echoes only the start of the value.
// Texts that repeat in a column are shared between the records, not stored
// again; every text reads back as stored, whether it repeats, is empty, NULL
// or new in each row (a column of such texts is not remembered after a while).
TEST_F(TProjektDBWczytywanie, RepeatedTextsAreSharedAndEveryTextReadsBack) {
    Wykonaj(
        {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
         "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, IdOsoba, "
         "Komentarz, Zalacznik) SELECT 1, i, 1, printf('2013-05-%02d 10:00', 1 + i % 28), 1, "
         "CASE i % 5 WHEN 0 THEN NULL WHEN 1 THEN '' WHEN 2 THEN 'zakupy „Żabka” ' || (i % 3) "
         "WHEN 3 THEN 'wspólny' ELSE 'inny ' || i END, 'paragon-' || i || '-żółć.pdf' FROM n"});
    projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki);
    ASSERT_EQ(k().Wydatki().size(), 3000u);
    std::map<const QChar*, int> dane; // the rows that hold the same copy
    for (const auto& w : k().Wydatki()) {
        const int i = static_cast<int>(w->Ile());
        SCOPED_TRACE(i);
        const QString komentarz[] = {QString(), QString(""),
                                     QStringLiteral("zakupy „Żabka” %1").arg(i % 3),
                                     QStringLiteral("wspólny"), QStringLiteral("inny %1").arg(i)};
        EXPECT_EQ(w->Komentarz(), komentarz[i % 5]);
        EXPECT_EQ(w->Zalacznik(), QStringLiteral("paragon-%1-żółć.pdf").arg(i));
        if (i % 5 == 2 || i % 5 == 3)
            ++dane[w->Komentarz().constData()];
    }
    // 1200 rows of four texts; the new texts between them may push one out now and then.
    EXPECT_LT(dane.size(), 40u);
}

TEST_F(TProjektDBWczytywanie, BadValueNamesItsTableAndRowAndIsCut) {
    const QString dlugi = QString(1 << 20, QLatin1Char('x'));
    const struct {
        QString wstaw;
        TTabele tabela;
        QString komunikat;
    } przypadki[] = {
        {"INSERT INTO Wydatki (Id, IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, "
         "IdOsoba) VALUES (7, 1, 1, 1, '', 1)",
         TTabele::Wydatki,
         "Wartość \"\" w kolumnie Data tabeli Wydatki (wiersz o Id 7) nie jest datą."},
        {"INSERT INTO Plany (Id, Nazwa, IdKategorii, TypPlanu, Data) VALUES (3, 'a', 1, 0, '" +
             dlugi + "')",
         TTabele::Plany,
         "Wartość \"" + QString(60, QLatin1Char('x')) +
             "…\" w kolumnie Data tabeli Plany (wiersz o Id 3) nie jest datą."},
        {"INSERT INTO Osoby (Id, Imie, Nazwisko, Usuniety, Waga) VALUES (4, 'Jan', 'Nowak', "
         "'tak', 1)",
         TTabele::Osoby,
         "Wartość \"tak\" w kolumnie Usuniety tabeli Osoby (wiersz o Id 4) nie jest wartością "
         "logiczną (0 lub 1)."},
    };
    for (const auto& p : przypadki) {
        baza().ExecSQL(p.wstaw);
        try {
            projekt->OdswiezZawartoscKolekcji(p.tabela);
            ADD_FAILURE() << p.wstaw.left(80).toStdString();
        } catch (const EDataError& e) {
            EXPECT_EQ(e.Message(), p.komunikat);
        }
    }
}

TEST_F(TProjektDBWczytywanie, FailuresRaisePlainErrorsAndKeepWhatWasRead) {
    Wykonaj({"INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) VALUES ('pierwsza', 1, "
             "'2013-05-01 00:00'), ('zła data', 2, 'jutro'), ('trzecia', 3, '2013-05-03 00:00')"});
    k().SetZmienionoINiezapisanoLokaty(true);
    try {
        projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
        FAIL() << "a date that does not convert";
    } catch (const EDataError& e) {
        EXPECT_EQ(e.Message(),
                  "Wartość \"jutro\" w kolumnie DataRozpoczecia tabeli Lokaty (wiersz o Id 2) nie "
                  "jest datą.");
    }
    ASSERT_EQ(k().Lokaty().size(), 1u) << "the records read before the failure";
    EXPECT_EQ(k().Lokaty()[0]->Nazwa(), "pierwsza");
    EXPECT_TRUE(k().ZmienionoINiezapisanoLokaty()) << "the flag keeps its value";

    baza().ExecSQL("DROP TABLE Lokaty");
    try {
        projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
        FAIL() << "the query fails";
    } catch (const EDataError& e) {
        EXPECT_TRUE(e.Message().startsWith("Error executing SQL.\rError [1]")) << e.what();
        EXPECT_TRUE(e.Message().endsWith("no such table: Lokaty")) << e.what();
    }
    EXPECT_EQ(k().Lokaty().size(), 1u) << "the list stays as it was";

    EXPECT_THROW(projekt->PobierzDaneZTabeli(TTabele::Pusta), EDataError);
    EXPECT_THROW(projekt->PobierzDaneZTabeli("Brak"), EDataError);
    EXPECT_EQ(projekt->PobierzDaneZTabeli("HarmonogramyLokat")->RowCount(), 0u);
    EXPECT_TRUE(boxes.messages.isEmpty()) << "loading shows nothing";
}

TEST_F(TProjektDBWczytywanie, DistinctValuesOfAColumnSortedIgnoringCase) {
    Wykonaj({"INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
             "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja, "
             "WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty, "
             "HarmonogramDodanyPrzezUzytkownika) VALUES ('mBank', 'a', 1, 3, 1, 3, 2, 0, 0, 0), "
             "('Alior', 'b', 1, 3, 1, 3, 2, 0, 0, 0), ('ING', 'c', 1, 3, 1, 3, 2, 0, 0, 0), "
             "('alior', 'd', 1, 3, 1, 3, 2, 0, 0, 0), ('Śląski', 'e', 1, 3, 1, 3, 2, 0, 0, 0), "
             "('Alior', 'f', 1, 3, 1, 3, 2, 0, 0, 0), ('Zagiel', 'g', 1, 3, 1, 3, 2, 0, 0, 0)"});
    const auto banki =
        projekt->PobierzZawartoscKolumny(TTabele::HarmonogramyLokatBankowych, "Bank");
    ASSERT_TRUE(banki.has_value());
    EXPECT_EQ(*banki, QStringList({"alior", "Alior", "ING", "mBank", "Śląski", "Zagiel"}));
    EXPECT_FALSE(projekt->PobierzZawartoscKolumny(TTabele::HarmonogramyLokatBankowych, "Brak"));
    EXPECT_FALSE(projekt->PobierzZawartoscKolumny(TTabele::Pusta, "Bank"));
    EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(TProjektDBWczytywanie, SavedStateOfEachTable) {
    k().SetZmienionoINiezapisanoHistorieZlecenStalych(true);
    k().SetZmienionoINiezapisanoLokaty(true);
    k().SetZmienionoINiezapisanoPlany(true);
    const struct {
        TTabele tabela;
        bool zapisana;
    } cases[] = {
        {TTabele::Wydatki, true},
        {TTabele::Kategorie_Oszczednosci, true},
        {TTabele::Pusta, false},
        {TTabele::HistoriaZlecenStalychWydatki, false},
        {TTabele::HistoriaZlecenStalychPrzychody, false},
        {TTabele::StanyOszczednosci, true},
        {TTabele::PrzychodyIRozchody, false},
        {TTabele::Plany, false},
        {TTabele::Ograniczenia, true},
        {TTabele::Lokaty, false},
        {TTabele::HarmonogramyLokatBankowych, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(projekt->TabelaZapisana(c.tabela), c.zapisana) << static_cast<int>(c.tabela);
    k().SetZmienionoINiezapisanoLokaty(false);
    EXPECT_TRUE(projekt->TabelaZapisana(TTabele::Lokaty));
    EXPECT_FALSE(projekt->TabelaZapisana(TTabele::HarmonogramyLokatBankowych));
}

// A file of another layout: the columns in another order, loose declared
// types, NULLs where the current layout forbids them. Every cell must read
// as its text reads, whichever way the reader takes to it.
TEST_F(TProjektDBWczytywanie, CellsOfAnotherLayoutReadAsTheirTexts) {
    Wykonaj({"DROP TABLE Wydatki",
             "CREATE TABLE Wydatki (Zalacznik TEXT, Komentarz TEXT, Data DATETIME, Ile REAL, "
             "Id INTEGER PRIMARY KEY, IdOsoba INTEGER, ZlecenieStale BOOL, "
             "IdKategoriaOszczednosci integer, IdKategoriaWydatki INTEGER)",
             "INSERT INTO Wydatki VALUES "
             "(NULL, 'a', '2013-05-10 08:00:30', 0.1 + 0.2, 1, 4, 2, 3, 2), "
             "('z.pdf', NULL, ' 2013-5-1  8:05', 12, 2, 1, '0', '5', 1), "
             "(NULL, '', '2013-05-12 09:00', 123456789012.345, 3, 1, 1, 1, 1), "
             "(NULL, NULL, '2013-05-13 09:00', 1e300, 4, 1, 0, 1, 1), "
             "(NULL, NULL, '2013-05-14 09:00', -2.5, 5, 1, 0, 1.5, 1)"});
    projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki);

    ASSERT_EQ(k().Wydatki().size(), 5u);
    const auto wydatek = [&](int id) -> const TWydatek& {
        for (const auto& w : k().Wydatki())
            if (w->Id() == id)
                return *w;
        throw std::runtime_error("no expense of that Id");
    };
    const struct {
        int id;
        double ile;
        TDateTime data;
        bool zlecenie;
        int oszczednosc;
        QString komentarz, zalacznik;
    } oczekiwane[] = {
        {1, 0.3, EncodeDateTime(2013, 5, 10, 8, 0, 30), true, 3, "a", ""},
        {2, 12, EncodeDateTime(2013, 5, 1, 8, 5), false, 5, "", "z.pdf"},
        {3, 123456789012.345, EncodeDateTime(2013, 5, 12, 9, 0), true, 1, "", ""},
        {4, 1e300, EncodeDateTime(2013, 5, 13, 9, 0), false, 1, "", ""},
        // An integer column gives the integer part of a fraction.
        {5, -2.5, EncodeDateTime(2013, 5, 14, 9, 0), false, 1, "", ""},
    };
    for (const auto& o : oczekiwane) {
        const TWydatek& w = wydatek(o.id);
        EXPECT_EQ(w.Ile(), o.ile) << o.id << ": the amount as its 15-digit text reads";
        EXPECT_DOUBLE_EQ(w.Data(), o.data) << o.id;
        EXPECT_EQ(w.ZlecenieStale(), o.zlecenie) << o.id;
        EXPECT_EQ(w.IdKategoriaOszczednosci(), o.oszczednosc) << o.id;
        EXPECT_EQ(w.Komentarz(), o.komentarz) << o.id;
        EXPECT_EQ(w.Zalacznik(), o.zalacznik) << o.id;
    }
    EXPECT_EQ(wydatek(1).IdOsoba(), 4);
    EXPECT_EQ(wydatek(1).IdKategoriaWydatki(), 2);

    const struct {
        const char* zmiana;
        QString komunikat;
    } bledy[] = {
        {"UPDATE Wydatki SET ZlecenieStale = NULL WHERE Id = 4",
         "Wartość \"\" w kolumnie ZlecenieStale tabeli Wydatki (wiersz o Id 4) nie jest wartością "
         "logiczną (0 lub 1)."},
        {"UPDATE Wydatki SET Data = '2013-02-30 10:00' WHERE Id = 4",
         "Wartość \"2013-02-30 10:00\" w kolumnie Data tabeli Wydatki (wiersz o Id 4) nie jest "
         "datą."},
        {"UPDATE Wydatki SET Data = '2013-05-13 24:00' WHERE Id = 4",
         "Wartość \"2013-05-13 24:00\" w kolumnie Data tabeli Wydatki (wiersz o Id 4) nie jest "
         "datą."},
        {"UPDATE Wydatki SET IdOsoba = 4294967296 WHERE Id = 4",
         "Wartość \"4294967296\" w kolumnie IdOsoba tabeli Wydatki (wiersz o Id 4) nie jest "
         "liczbą całkowitą."},
        {"UPDATE Wydatki SET Ile = NULL WHERE Id = 4",
         "Wartość \"\" w kolumnie Ile tabeli Wydatki (wiersz o Id 4) nie jest liczbą."},
    };
    for (const auto& b : bledy) {
        baza().ExecSQL(b.zmiana);
        try {
            projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki);
            ADD_FAILURE() << b.zmiana;
        } catch (const EDataError& e) {
            EXPECT_EQ(e.Message(), b.komunikat);
        }
        baza().ExecSQL("UPDATE Wydatki SET ZlecenieStale = 0, Data = '2013-05-13 09:00', "
                       "IdOsoba = 1, Ile = 1e300, IdKategoriaOszczednosci = 1 WHERE Id = 4");
    }
}

// A column the result lacks is an error of a row that reads it, not of the
// query: a table without rows loads whatever its layout.
TEST_F(TProjektDBWczytywanie, MissingColumnFailsOnlyARowThatReadsIt) {
    Wykonaj({"DROP TABLE Wydatki",
             "CREATE TABLE Wydatki (Id INTEGER PRIMARY KEY, IdKategoriaWydatki INTEGER, Ile REAL, "
             "IdKategoriaOszczednosci INTEGER, Data DATETIME, IdOsoba INTEGER, Komentarz TEXT, "
             "ZlecenieStale BOOL)"});
    EXPECT_NO_THROW(projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki));
    EXPECT_TRUE(k().Wydatki().empty());

    baza().ExecSQL("INSERT INTO Wydatki VALUES (1, 1, 5, 1, '2013-05-10 08:00', 1, NULL, 0)");
    try {
        projekt->OdswiezZawartoscKolekcji(TTabele::Wydatki);
        FAIL() << "the attachment's column is missing";
    } catch (const EDataError& e) {
        EXPECT_EQ(e.Message(), "Field not found in dataset: Zalacznik");
    }
}

} // namespace
