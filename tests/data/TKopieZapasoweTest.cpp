#include "data/TKopieZapasowe.h"
#include "ProjektDBZapisFixture.h"
#include "data/EDataError.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"

#include <QFile>
#include <QFileInfo>

using TTyp = TTypModyfikacji;

namespace {

class TKopieZapasoweTest : public ProjektDBZapisFixture {
protected:
    void DodajLokate(const char* nazwa) {
        k().Lokaty().push_back(std::make_unique<TLokata>(-1, nazwa, 1000, EncodeDate(2013, 5, 1), 3,
                                                         TJednostkaOkresu::Miesiac, -1, true,
                                                         TTyp::Dodano));
    }
    void DodajOferte(const char* nazwa) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fBank = "Bank";
        oferta->fNazwaHarmonogramu = nazwa;
        oferta->fOkresDepozytu = 3;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = 4;
        oferta->fZmiany = TTyp::Dodano;
        k().HarmonogramyLokatBankowych().push_back(std::move(oferta));
    }
    TWynikZapisuList ZapiszObie() {
        return projekt->ZapiszListyWJednejTransakcji(
            {TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych});
    }
    QStringList Lokaty() { return Tabela("SELECT Nazwa FROM Lokaty ORDER BY Id"); }
    QStringList Oferty() { return Tabela("SELECT NazwaHarmonogramu FROM HarmonogramyLokat"); }
    TKopieZapasowe kopie() const { return TKopieZapasowe(plik.path()); }
};

// A backup holds the file as it was just before the save, and opens as a
// data file of its own.
TEST_F(TKopieZapasoweTest, EverySaveIsPrecededByABackupOfTheStateBeforeIt) {
    DodajLokate("pierwsza");
    ASSERT_TRUE(ZapiszObie().Zapisano());
    WczytajWszystko();
    DodajLokate("druga");
    ASSERT_TRUE(ZapiszObie().Zapisano());

    const auto lista = kopie().Lista();
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[0].Nazwa, "DataFile-20130601-120030-2.dat") << "newest first, counted";
    EXPECT_EQ(lista[1].Nazwa, "DataFile-20130601-120030.dat");
    EXPECT_EQ(QFileInfo(lista[0].Sciezka).absolutePath(), plik.folder() + "/kopie");
    TProjektDB zKopii(lista[0].Sciezka);
    zKopii.OdswiezZawartoscKolekcji(TTabele::Lokaty);
    ASSERT_EQ(zKopii.Kolekcje().Lokaty().size(), 1u);
    EXPECT_EQ(zKopii.Kolekcje().Lokaty()[0]->Nazwa(), "pierwsza");
    EXPECT_EQ(Lokaty(), QStringList({"pierwsza", "druga"}));
}

TEST_F(TKopieZapasoweTest, OnlyTheNewestBackupsAreKept) {
    const TKopieZapasowe trzy(plik.path(), 3);
    QStringList utworzone;
    for (int i = 0; i < 5; ++i)
        utworzone << QFileInfo(trzy.Utworz(baza())).fileName();
    QStringList zostaly;
    for (const TKopiaZapasowa& k : trzy.Lista())
        zostaly << k.Nazwa;
    EXPECT_EQ(zostaly, QStringList({utworzone[4], utworzone[3], utworzone[2]}));
    EXPECT_EQ(TKopieZapasowe(plik.path()).Lista().size(), 3u);
    EXPECT_EQ(TKopieZapasowe::kDomyslnieZachowaj, 10);
}

// A folder that cannot be made (a file stands in its place) stops the save
// before anything is written; the changes stay in the lists.
TEST_F(TKopieZapasoweTest, AFailedBackupStopsTheSaveWithNothingWritten) {
    QFile zawada(plik.folder() + "/kopie");
    ASSERT_TRUE(zawada.open(QIODevice::WriteOnly));
    zawada.close();
    const QStringList przed = ZrzutBazy(baza());
    DodajLokate("nowa");

    try {
        ZapiszObie();
        FAIL() << "the save went on without a backup";
    } catch (const EDataError& blad) {
        EXPECT_TRUE(blad.Message().startsWith("Nie udało się utworzyć kopii zapasowej"))
            << blad.Message().toStdString();
    }
    EXPECT_EQ(ZrzutBazy(baza()), przed);
    EXPECT_EQ(k().Lokaty()[0]->Zmiany(), TTyp::Dodano);
}

// The deposits come first: a failure in the offers' statements must take
// the already-run deposit statements back with it.
TEST_F(TKopieZapasoweTest, AFailureInTheLastListLeavesTheWholeFileAsItWas) {
    Wykonaj({"CREATE TRIGGER nie_teraz BEFORE INSERT ON HarmonogramyLokat "
             "BEGIN SELECT RAISE(ABORT, 'odmowa'); END"});
    const QStringList przed = ZrzutBazy(baza());
    DodajLokate("nowa");
    DodajOferte("oferta");

    const TWynikZapisuList wynik = ZapiszObie();
    EXPECT_FALSE(wynik.Zapisano());
    EXPECT_EQ(wynik.NiezapisanaLista, "Lokaty bankowe");
    EXPECT_TRUE(wynik.Polecenia.Blad.contains("odmowa")) << wynik.Polecenia.Blad.toStdString();
    EXPECT_EQ(ZrzutBazy(baza()), przed);
    EXPECT_EQ(Lokaty(), QStringList());
}

TEST_F(TKopieZapasoweTest, RestoringABackupBacksUpTheStateItReplaces) {
    DodajLokate("stan A");
    ASSERT_TRUE(ZapiszObie().Zapisano());
    const QString kopiaA = QFileInfo(kopie().Utworz(baza())).fileName();
    WczytajWszystko();
    DodajLokate("stan B");
    ASSERT_TRUE(ZapiszObie().Zapisano());
    projekt.reset();

    const QString kopiaB = kopie().Przywroc(kopiaA);
    {
        TSQLiteDatabase przywrocona(plik.path());
        EXPECT_EQ(Wiersze(przywrocona, "SELECT Nazwa FROM Lokaty"), QStringList({"stan A"}));
        TSQLiteDatabase poprzednia(kopiaB);
        EXPECT_EQ(Wiersze(poprzednia, "SELECT Nazwa FROM Lokaty ORDER BY Id"),
                  QStringList({"stan A", "stan B"}));
    }
    EXPECT_THROW(kopie().Przywroc("nie-ma-takiej.dat"), EDataError);
}

TEST(TKopieZapasoweStart, AnUpgradeOfAnOldLayoutIsPrecededByABackup) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile plik;
    const char* const kStaraTabela =
        "CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa TEXT NOT NULL, "
        "Kwota REAL NOT NULL DEFAULT 0, DataRozpoczecia DATETIME NOT NULL, OkresLokaty "
        "INTEGER NOT NULL DEFAULT 0, JednostkaLokaty INTEGER NOT NULL DEFAULT -1, "
        "IdHarmonogramLokaty INTEGER NOT NULL DEFAULT -1)";
    UtworzPlik(plik.path(), {kStaraTabela, "INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) "
                                           "VALUES ('stara', 1000, '2013-05-14 00:00')"});
    { TProjektDB projekt(plik.path()); }
    const auto lista = TKopieZapasowe(plik.path()).Lista();
    ASSERT_EQ(lista.size(), 1u) << "one backup, before the upgrade only";
    TSQLiteDatabase kopia(lista[0].Sciezka);
    EXPECT_EQ(Wiersze(kopia, "SELECT sql FROM sqlite_master WHERE name = 'Lokaty'"),
              QStringList({kStaraTabela}));
    { TProjektDB znowu(plik.path()); }
    EXPECT_EQ(TKopieZapasowe(plik.path()).Lista().size(), 1u) << "a current file is not copied";
}

// A file last written by another version is backed up before this one
// changes anything in it, once.
TEST(TKopieZapasoweStart, AFileOfAnotherVersionIsBackedUpBeforeItsFirstChange) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile plik;
    { TProjektDB nowy(plik.path()); }
    EXPECT_TRUE(TKopieZapasowe(plik.path()).Lista().empty()) << "a new file needs no backup";
    UtworzPlik(plik.path(), {"PRAGMA user_version = 0"});
    { TProjektDB innejWersji(plik.path()); }
    { TProjektDB znowu(plik.path()); }
    EXPECT_EQ(TKopieZapasowe(plik.path()).Lista().size(), 1u);
}

} // namespace
