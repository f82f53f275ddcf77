#include "ProjektDBZapisFixture.h"
#include "data/EDataError.h"

#include <functional>
#include <limits>

namespace {

using TTyp = TTypModyfikacji;

class TProjektDBZapis : public ProjektDBZapisFixture {
protected:
    void DodajLokate(int32_t id, const QString& nazwa, TTyp zmiany, double kwota = 100) {
        k().Lokaty().push_back(std::make_unique<TLokata>(id, nazwa, kwota, EncodeDate(2013, 5, 14),
                                                         3, TJednostkaOkresu::Miesiac, -1, true,
                                                         zmiany));
    }
    QStringList Lokaty() { return Tabela("SELECT * FROM Lokaty ORDER BY Id"); }
};

TEST_F(TProjektDBZapis, DepositStatements) {
    DodajLokate(1, "Nowa nazwa", TTyp::Zmieniono, 1234.567);
    TLokata& zmieniona = *k().Lokaty()[0];
    zmieniona.SetDataRozpoczecia(EncodeDateTime(2013, 5, 14, 16, 20));
    zmieniona.SetIdHarmonogramLokaty(3);
    k().Lokaty().push_back(std::make_unique<TLokata>(
        -5, "Lokata 'Zysk' \"Max\" | ś; ł", 0.125, EncodeDateTime(2013, 5, 14, 16, 20), 0,
        TJednostkaOkresu::Brak, -1, false, TTyp::Dodano));
    DodajLokate(9, "nigdy nie zapisana", TTyp::Usunieto);
    DodajLokate(10, "bez zmian", TTyp::BezZmian);

    PodsluchSQL sql(baza());
    const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty);
    EXPECT_TRUE(wynik.Zapisano());
    EXPECT_TRUE(wynik.Raport.isEmpty());
    EXPECT_EQ(sql.polecenia,
              QStringList(
                  {"BEGIN TRANSACTION",
                   "UPDATE \"Lokaty\" SET \"Nazwa\"='Nowa nazwa',\"Kwota\"=1234.57,"
                   "\"DataRozpoczecia\"='2013-05-14 00:00',\"OkresLokaty\"=3,"
                   "\"JednostkaLokaty\"=2,\"IdHarmonogramLokaty\"=3,\"Aktywna\"=1 WHERE \"Id\"=1;",
                   "INSERT INTO \"Lokaty\" (\"Nazwa\", \"Kwota\", \"DataRozpoczecia\", "
                   "\"OkresLokaty\", \"JednostkaLokaty\", \"IdHarmonogramLokaty\", \"Aktywna\") "
                   "VALUES('Lokata Zysk Max  ś ł',0.12,'2013-05-14 00:00',0,-1,-1,0);",
                   "DELETE FROM \"Lokaty\" WHERE \"Id\"=9;", "COMMIT"}));
    EXPECT_EQ(Lokaty(), QStringList({"1|Lokata Zysk Max  ś ł|0.12|2013-05-14 00:00|0|-1|-1|0"}))
        << "SQLite gives the new row its id; the deletion of a row never written changes nothing";
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_EQ(k().Lokaty()[1]->Zmiany(), TTyp::Dodano) << "the caller reloads, not the save";
    EXPECT_EQ(k().Lokaty()[1]->Id(), -5);
}

TEST_F(TProjektDBZapis, OfferStatements) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fNazwaHarmonogramu = "Roczna";
    oferta->fOkresDepozytu = 12;
    oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    oferta->fOprocentowanieStaleWCalymOkresieLokaty = true;
    oferta->fOprocentowanieWSkaliRoku = 4.555;
    oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
    oferta->fKwotaMinimalna = 1000;
    oferta->fKwotaMaksymalna = 0.375;
    oferta->fMozliwoscWczesniejszegoZerwaniaLokaty = true;
    oferta->fPozostaleInformacje = "  \t ";
    oferta->fHarmonogramDodanyPrzezUzytkownika = true;
    oferta->fDataDodaniaModyfikacji = EncodeDate(2001, 1, 1);
    oferta->fZmiany = TTyp::Dodano;
    k().HarmonogramyLokatBankowych().push_back(std::move(oferta));
    auto zmieniona = std::make_unique<THarmonogramLokatyBankowej>();
    zmieniona->fId = 4;
    zmieniona->fBank = "ING";
    zmieniona->fNazwaHarmonogramu = "Kwartalna";
    zmieniona->fOkresDepozytu = 3;
    zmieniona->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    zmieniona->fOprocentowanieWSkaliRoku = 3;
    zmieniona->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
    zmieniona->fKwotaMaksymalna = 1e6;
    zmieniona->fWymaganeKontoOsobisteWTymBanku = true;
    zmieniona->fWarunkiWczesniejszegoZerwaniaLokaty = "utrata odsetek";
    zmieniona->fPozostaleInformacje = " dla nowych ";
    zmieniona->fZmiany = TTyp::Zmieniono;
    k().HarmonogramyLokatBankowych().push_back(std::move(zmieniona));
    auto usunieta = std::make_unique<THarmonogramLokatyBankowej>();
    usunieta->fId = 5;
    usunieta->fZmiany = TTyp::Usunieto;
    k().HarmonogramyLokatBankowych().push_back(std::move(usunieta));

    PodsluchSQL sql(baza());
    EXPECT_TRUE(
        projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    EXPECT_EQ(
        sql.Zmiany(),
        QStringList(
            {"INSERT INTO \"HarmonogramyLokat\" (\"Bank\", \"Nazwa\", \"OkresDepozytu\", "
             "\"JednostkaDepozytu\", \"OprocentowanieStaleWCalymOkresieLokaty\", "
             "\"OprocentowanieWSkaliRoku\", \"Kapitalizacja\", \"KwotaMinimalna\", "
             "\"KwotaMaksymalna\", \"WymaganeKontoOsobisteWTymBanku\", "
             "\"MozliwoscWczesniejszegoZerwaniaLokaty\", \"WarunkiWczesniejszegoZerwaniaLokaty\", "
             "\"PozostaleInformacje\", \"HarmonogramDodanyPrzezUzytkownika\", \"DataDodania\" ) "
             "VALUES('','Roczna',12,2,1,4.55,1,1000,0.38,0,1,NULL,NULL,1,'2013-06-01 12:00');",
             "UPDATE \"HarmonogramyLokat\" SET \"Bank\"='ING',\"Nazwa\"='Kwartalna',"
             "\"OkresDepozytu\"=3,\"JednostkaDepozytu\"=2,"
             "\"OprocentowanieStaleWCalymOkresieLokaty\"=0,\"OprocentowanieWSkaliRoku\"=3,"
             "\"Kapitalizacja\"=4,\"KwotaMinimalna\"=0,\"KwotaMaksymalna\"=1000000,"
             "\"WymaganeKontoOsobisteWTymBanku\"=1,\"MozliwoscWczesniejszegoZerwaniaLokaty\"=0,"
             "\"WarunkiWczesniejszegoZerwaniaLokaty\"='utrata odsetek',"
             "\"PozostaleInformacje\"=' dla nowych ',\"HarmonogramDodanyPrzezUzytkownika\"=0,"
             "\"DataDodania\"='2013-06-01 12:00' WHERE \"Id\"=4;",
             "DELETE FROM \"HarmonogramyLokat\" WHERE \"Id\"=5;"}));
    EXPECT_EQ(Tabela("SELECT Bank, PozostaleInformacje, DataDodania FROM HarmonogramyLokat"),
              QStringList({"|NULL|2013-06-01 12:00"}));
}

TEST_F(TProjektDBZapis, NothingChangedRunsNoBatch) {
    Wykonaj(
        {"INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
         "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja, "
         "WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty, "
         "HarmonogramDodanyPrzezUzytkownika) VALUES ('ING', 'Roczna', 1, 3, 1, 3, 2, 0, 0, 0)"});
    projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    PodsluchSQL sql(baza());
    for (TTabele tabela : {TTabele::HarmonogramyLokatBankowych, TTabele::Lokaty, TTabele::Pusta,
                           TTabele::PrzychodyIRozchody, TTabele::Wydatki}) {
        const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(tabela);
        EXPECT_TRUE(wynik.Zapisano());
        EXPECT_TRUE(wynik.Raport.isEmpty());
    }
    EXPECT_TRUE(sql.polecenia.isEmpty()) << sql.polecenia.join('\n').toStdString();
}

TEST_F(TProjektDBZapis, SqlInNamesIsStoredAsHarmlessText) {
    DodajLokate(-1, "x'); DROP TABLE \"Lokaty\"; --", TTyp::Dodano);
    DodajLokate(-2, "'||(SELECT sql FROM sqlite_master)||'", TTyp::Dodano);
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    EXPECT_EQ(Tabela("SELECT Nazwa FROM Lokaty ORDER BY Id"),
              QStringList({"x) DROP TABLE Lokaty --", "(SELECT sql FROM sqlite_master)"}));
    EXPECT_TRUE(boxes.messages.isEmpty());
}

// A statement failing in the middle of the batch: the table is left exactly
// as it was, the caller learns of it, and the records keep every mark, so
// the next save writes each row once.
TEST_F(TProjektDBZapis, FailedBatchLeavesTableAndRecordsAsTheyWere) {
    Wykonaj({"INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) VALUES ('A', 1, '2013-05-01 "
             "00:00'), ('B', 2, '2013-05-02 00:00')",
             "CREATE TRIGGER odrzuc BEFORE INSERT ON Lokaty WHEN NEW.Nazwa = 'Zła' "
             "BEGIN SELECT RAISE(ABORT, 'odrzucona lokata'); END"});
    projekt->OdswiezZawartoscKolekcji(TTabele::Lokaty);
    k().Lokaty()[0]->SetKwota(99);
    k().Lokaty()[0]->SetZmiany(TTyp::Zmieniono);
    k().Lokaty()[1]->SetZmiany(TTyp::Usunieto);
    DodajLokate(-1, "C", TTyp::Dodano);
    DodajLokate(-2, "Zła", TTyp::Dodano);
    DodajLokate(-3, "D", TTyp::Dodano);
    k().SetZmienionoINiezapisanoLokaty(true);
    const QStringList przed = ZrzutBazy(baza());

    const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty);
    EXPECT_FALSE(wynik.Zapisano());
    EXPECT_EQ(wynik.Polecenia.Stan, TWynikPolecenSQL::TStan::Blad);
    EXPECT_TRUE(wynik.Polecenia.Blad.endsWith(": odrzucona lokata"))
        << wynik.Polecenia.Blad.toStdString();
    EXPECT_TRUE(boxes.messages.isEmpty()) << "the caller shows the failure it is handed";
    EXPECT_TRUE(projekt->WezBledyPolecen().isEmpty());
    EXPECT_EQ(ZrzutBazy(baza()), przed) << "rolled back, the id sequence included";
    EXPECT_FALSE(baza().IsTransactionOpen());

    const auto& lokaty = k().Lokaty();
    ASSERT_EQ(lokaty.size(), 5u);
    const std::pair<int32_t, TTyp> oczekiwane[] = {{1, TTyp::Zmieniono},
                                                   {2, TTyp::Usunieto},
                                                   {-1, TTyp::Dodano},
                                                   {-2, TTyp::Dodano},
                                                   {-3, TTyp::Dodano}};
    for (size_t i = 0; i < lokaty.size(); ++i) {
        EXPECT_EQ(lokaty[i]->Id(), oczekiwane[i].first);
        EXPECT_EQ(lokaty[i]->Zmiany(), oczekiwane[i].second);
    }
    EXPECT_EQ(lokaty[0]->Kwota(), 99);
    EXPECT_TRUE(k().ZmienionoINiezapisanoLokaty());

    baza().ExecSQL("DROP TRIGGER odrzuc");
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
    EXPECT_EQ(Tabela("SELECT Id, Nazwa, Kwota FROM Lokaty ORDER BY Id"),
              QStringList({"1|A|99.0", "3|C|100.0", "4|Zła|100.0", "5|D|100.0"}));
}

TEST_F(TProjektDBZapis, NothingRunsWhileATransactionIsOpen) {
    DodajLokate(-1, "Nowa", TTyp::Dodano);
    baza().BeginTransaction();
    const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty);
    baza().Rollback();
    EXPECT_EQ(wynik.Polecenia.Stan, TWynikPolecenSQL::TStan::Pominieto);
    EXPECT_FALSE(wynik.Zapisano());
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_TRUE(Lokaty().isEmpty());
    EXPECT_EQ(k().Lokaty()[0]->Zmiany(), TTyp::Dodano);
}

TEST_F(TProjektDBZapis, AValueThatCannotBeWrittenStopsTheWholeTable) {
    DodajLokate(-1, "dobra", TTyp::Dodano);
    DodajLokate(-2, "zła", TTyp::Dodano, std::numeric_limits<double>::quiet_NaN());
    PodsluchSQL sql(baza());
    try {
        projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty);
        FAIL() << "an amount that is not a number";
    } catch (const EDataError& e) {
        EXPECT_EQ(e.Message(), "Nie udało się zapisać zawartości tabeli \"Lokaty\" !!!\r"
                               "PRZYCZYNA BŁĘDU:\r"
                               "Nie można zapisać w bazie kwoty, która nie jest liczbą "
                               "(nieokreślona). Dotyczy rekordu o Id -2.");
    }
    EXPECT_TRUE(sql.polecenia.isEmpty());
}

TEST_F(TProjektDBZapis, NamesOfInsertedCategoriesAndPersonsOnlyAfterACommit) {
    Wykonaj({"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Jedzenie', 0, 1)",
             "INSERT INTO Osoby (Imie, Nazwisko, Usuniety, Waga) VALUES ('Jan', 'Nowak', 0, 1)"});
    WczytajWszystko();
    k().KategorieWydatki().push_back(
        std::make_unique<TKategoriaWydatki>(-7, "Paliwo", false, TTyp::Dodano, 3));
    k().KategorieWydatki()[0]->SetOpis("Żywność");
    k().KategorieWydatki()[0]->SetZmiany(TTyp::Zmieniono);
    k().Osoby().push_back(
        std::make_unique<TOsoba>(-3, "Ewa", "Lis", "", "", "", false, TTyp::Dodano, 2));
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Kategorie_Wydatki).Zapisano());
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Osoby).Zapisano());
    EXPECT_EQ(projekt->ZapisKategoriWydatkow(), (std::map<int32_t, QString>{{-7, "Paliwo"}}));
    EXPECT_EQ(projekt->ZapisOsob(), (std::map<int32_t, QString>{{-3, "Ewa Lis"}}));
    EXPECT_TRUE(projekt->ZapisKategoriPrzychodow().empty());

    baza().ExecSQL("CREATE TRIGGER odrzuc BEFORE INSERT ON Osoby BEGIN SELECT RAISE(ABORT, 'nie'); "
                   "END");
    EXPECT_FALSE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Osoby).Zapisano());
    EXPECT_TRUE(projekt->ZapisOsob().empty()) << "nobody was inserted";
}

// Two amounts that are each stored can add up beyond the doubles: the total
// that SQLite records is then infinity, and the file still loads.
TEST_F(TProjektDBZapis, RecordedTotalBeyondTheDoublesStillLoads) {
    Wykonaj({"INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES ('Konto', 0, 1, 0, 1)",
             "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) "
             "VALUES (1, 1e308, '2013-05-01 00:00')"});
    WczytajWszystko();
    k().Oszczednosci().push_back(
        std::make_unique<TOszczednosc>(-1, 1, 1e308, EncodeDate(2013, 5, 2), "", 1, TTyp::Dodano));
    EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Oszczednosci).Zapisano());
    ASSERT_EQ(k().StanyOszczednosci().size(), 1u);
    EXPECT_EQ(k().StanyOszczednosci()[0]->Stan(), std::numeric_limits<double>::infinity());

    const TProjektDB ponownie(plik.path());
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();
}

TEST_F(TProjektDBZapis, RecordedTotalFollowsChangesOfMoney) {
    Wykonaj({"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Jedzenie', 0, 1)",
             "INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES ('Konto', 0, 1, 0, 1)",
             "INSERT INTO Osoby (Imie, Nazwisko, Usuniety, Waga) VALUES ('Jan', 'Nowak', 0, 1)",
             "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) VALUES (1, 500.25, "
             "'2013-05-01 00:00'), (1, 20, '2013-05-01 00:00')",
             "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, "
             "IdOsoba) VALUES (1, 5, 1, '2013-05-01 00:00', 1)",
             "INSERT INTO HistoriaPrzelewow (Ile, IdKategoriaOszczednosciFrom, "
             "IdKategoriaOszczednosciTo, Data) VALUES (5, 1, 1, '2013-05-02 00:00')"});
    const struct {
        const char* opis;
        TTabele tabela;
        std::function<void(TKolekcjeDanych&)> zmien;
        bool nowyStan;
    } cases[] = {
        {"expense changed", TTabele::Wydatki,
         [](TKolekcjeDanych& k) { k.Wydatki()[0]->SetZmiany(TTyp::Zmieniono); }, true},
        {"expense deleted", TTabele::Wydatki,
         [](TKolekcjeDanych& k) { k.Wydatki()[0]->SetZmiany(TTyp::Usunieto); }, false},
        {"savings deleted", TTabele::Oszczednosci,
         [](TKolekcjeDanych& k) {
             for (const auto& o : k.Oszczednosci())
                 if (o->Ile() == 20)
                     o->SetZmiany(TTyp::Usunieto);
         },
         true},
        {"transfer changed", TTabele::HistoriaPrzelewow,
         [](TKolekcjeDanych& k) { k.HistoriaPrzelewow()[0]->SetZmiany(TTyp::Zmieniono); }, false},
        {"transfer added", TTabele::HistoriaPrzelewow,
         [](TKolekcjeDanych& k) {
             k.HistoriaPrzelewow().push_back(std::make_unique<THistoriaPrzelewu>(
                 -1, 1, 1, 1, EncodeDate(2013, 5, 3), "", TTyp::Dodano));
         },
         true},
        {"deposit added", TTabele::Lokaty,
         [](TKolekcjeDanych& k) {
             k.Lokaty().push_back(std::make_unique<TLokata>(-1, "L", 1000, EncodeDate(2013, 5, 3),
                                                            3, TJednostkaOkresu::Miesiac, -1, true,
                                                            TTyp::Dodano));
         },
         false},
    };
    for (const auto& c : cases) {
        WczytajWszystko();
        c.zmien(k());
        PodsluchSQL sql(baza());
        EXPECT_TRUE(projekt->ZapiszZawartoscKolekcjiDoBazy(c.tabela).Zapisano()) << c.opis;
        const bool nowyStan = !sql.Zmiany().filter("INSERT INTO StanOszczednosci").isEmpty();
        EXPECT_EQ(nowyStan, c.nowyStan) << c.opis;
    }
    // The savings after the deletion of 20, recorded after the added transfer.
    EXPECT_EQ(Tabela("SELECT Stan FROM StanOszczednosci ORDER BY Id DESC LIMIT 1"),
              QStringList({"500.25"}));
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();
}

TEST_F(TProjektDBZapis, TotalStatementByWhatTheCollectionsHold) {
    Wykonaj({"INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) VALUES (1, 500, "
             "'2013-05-01 00:00')",
             "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia, Aktywna) VALUES ('a', 1000, "
             "'2013-05-01 00:00', 1), ('b', 7, '2013-05-01 00:00', 0)"});
    const auto oszczednosc = [] {
        return std::make_unique<TOszczednosc>(1, 1, 500, 0, "", 1, TTyp::BezZmian);
    };
    const struct {
        bool oszczednosci;
        bool lokaty;
        const char* polecenie;
        const char* stan;
    } cases[] = {
        {true, true,
         "INSERT INTO StanOszczednosci (Stan) VALUES (((SELECT SUM(Oszczednosci.Ile) FROM "
         "Oszczednosci) + (SELECT SUM(Lokaty.Kwota) FROM Lokaty WHERE Aktywna = 1)));",
         "1500.0"},
        {true, false,
         "INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT SUM(Oszczednosci.Ile) FROM "
         "Oszczednosci));",
         "500.0"},
        {false, true,
         "INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT SUM(Lokaty.Kwota) FROM Lokaty "
         "WHERE Aktywna = 1));",
         "1000.0"},
        {false, false, "INSERT INTO StanOszczednosci (Stan) VALUES (0);", "0.0"},
    };
    for (const auto& c : cases) {
        k().Oszczednosci().clear();
        k().Lokaty().clear();
        if (c.oszczednosci)
            k().Oszczednosci().push_back(oszczednosc());
        DodajLokate(1, "a", c.lokaty ? TTyp::BezZmian : TTyp::Usunieto);
        PodsluchSQL sql(baza());
        projekt->AktualizujStanOszczednosci();
        ASSERT_FALSE(sql.Zmiany().isEmpty());
        EXPECT_EQ(sql.Zmiany().first(), c.polecenie);
        EXPECT_EQ(Tabela("SELECT Stan FROM StanOszczednosci ORDER BY Id DESC LIMIT 1"),
                  QStringList({c.stan}));
    }
}

// Of every run of totals equal to the cent only the newest stays; the run
// is looked for in the list loaded before the new total.
TEST_F(TProjektDBZapis, RepeatedTotalsAreRemoved) {
    Wykonaj({"INSERT INTO StanOszczednosci (Stan, Data) VALUES (100, '2013-05-01 00:00'), "
             "(100.001, '2013-05-02 00:00'), (200, '2013-05-03 00:00'), "
             "(200.004, '2013-05-04 00:00'), (200.01, '2013-05-05 00:00'), "
             "(100, '2013-05-06 00:00')"});
    projekt->OdswiezZawartoscKolekcji(TTabele::StanyOszczednosci);
    PodsluchSQL sql(baza());
    projekt->AktualizujStanOszczednosci();
    EXPECT_EQ(sql.Zmiany().mid(1),
              QStringList({"DELETE FROM \"StanOszczednosci\" WHERE \"Id\"=3;",
                           "DELETE FROM \"StanOszczednosci\" WHERE \"Id\"=1;"}));
    EXPECT_EQ(Tabela("SELECT Id, Stan FROM StanOszczednosci"),
              QStringList({"2|100.001", "4|200.004", "5|200.01", "6|100.0", "7|0.0"}));
    ASSERT_EQ(k().StanyOszczednosci().size(), 5u) << "the list is reloaded";
    EXPECT_EQ(k().StanyOszczednosci().back()->Id(), 7);
}

// The total recorded after a save runs in batches of the project's own,
// whose failures cannot come back with the save's result: the project keeps
// them, in the order they failed, for its owner to show, and hands them over
// once. It shows nothing itself.
TEST_F(TProjektDBZapis, FailedTotalsAreKeptForTheOwner) {
    Wykonaj({"INSERT INTO KategorieOszczednosci (Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
             "VALUES ('Konto', 0, 1, 0, 1)",
             "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) "
             "VALUES (1, 100, '2013-05-01 00:00')",
             "INSERT INTO StanOszczednosci (Stan, Data) VALUES (100, '2013-05-01 00:00'), "
             "(100, '2013-05-02 00:00')",
             "CREATE TRIGGER bez_stanu BEFORE INSERT ON StanOszczednosci "
             "BEGIN SELECT RAISE(ABORT, 'odrzucony stan'); END",
             "CREATE TRIGGER bez_usuwania BEFORE DELETE ON StanOszczednosci "
             "BEGIN SELECT RAISE(ABORT, 'odrzucone usunięcie'); END"});
    WczytajWszystko();
    k().Oszczednosci()[0]->SetIle(150);
    k().Oszczednosci()[0]->SetZmiany(TTyp::Zmieniono);

    const TWynikZapisu wynik = projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::Oszczednosci);
    EXPECT_TRUE(wynik.Zapisano()) << wynik.Polecenia.Blad.toStdString();
    EXPECT_EQ(Tabela("SELECT Ile FROM Oszczednosci"), QStringList({"150.0"}));
    EXPECT_EQ(Tabela("SELECT Stan FROM StanOszczednosci"), QStringList({"100.0", "100.0"}));
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();

    const QList<TWynikPolecenSQL> bledy = projekt->WezBledyPolecen();
    ASSERT_EQ(bledy.size(), 2);
    EXPECT_EQ(bledy[0].Stan, TWynikPolecenSQL::TStan::Blad);
    EXPECT_TRUE(bledy[0].Blad.contains("INSERT INTO StanOszczednosci"));
    EXPECT_TRUE(bledy[0].Blad.endsWith(": odrzucony stan")) << bledy[0].Blad.toStdString();
    EXPECT_EQ(bledy[1].Stan, TWynikPolecenSQL::TStan::Blad);
    EXPECT_TRUE(bledy[1].Blad.endsWith(": odrzucone usunięcie")) << bledy[1].Blad.toStdString();
    EXPECT_TRUE(projekt->WezBledyPolecen().isEmpty()) << "handed over once";
}

TEST_F(TProjektDBZapis, UnsavedTablesByTheirFlags) {
    EXPECT_TRUE(projekt->TabeleZapisane());
    EXPECT_EQ(projekt->EtykietyNiezapisanychTabel(), "(wszystkie tabele zapisane)");
    k().SetZmienionoINiezapisanoPlany(true);
    k().SetZmienionoINiezapisanoStanyOszczednosci(true);
    k().SetZmienionoINiezapisanoLokaty(true);
    EXPECT_TRUE(projekt->TabeleZapisane()) << "plans, totals and deposits are not consulted";
    k().SetZmienionoINiezapisanoHistorieZlecenStalych(true);
    EXPECT_TRUE(projekt->TabeleZKategoriamiZapisane());
    EXPECT_FALSE(projekt->TabeleZapisane());
    k().SetZmienionoINiezapisanoOsoby(true);
    k().SetZmienionoINiezapisanoWydatki(true);
    EXPECT_FALSE(projekt->TabeleZKategoriamiZapisane());
    EXPECT_EQ(projekt->EtykietyNiezapisanychTabel(),
              "Wydatki, Osoby, Stany oszczędności, Historia zleceń stałych - wydatki, Historia "
              "zleceń stałych - przychody, Plany, Lokaty");
}

} // namespace
