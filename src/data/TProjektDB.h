#pragma once
#include "data/TPlikiDB.h"
#include "data/TTabele.h"
#include "data/TWynikPolecenSQL.h"
#include "data/TWynikZapisu.h"
#include "data/TWynikZapisuList.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class TKolekcjeDanych;
class TSQLiteDatabase;
class TOdczytWiersza;
class TSQLiteTable;
class TZapisTabeli;

// The household database project: owner of the connection to the data file,
// of the in-memory collections and of the table names (TPlikiDB).
//
// Its member functions live in several files: the start-up in TProjektDB.cpp,
// the batch runner in TProjektDBPolecenia.cpp, the layout upgrade in
// TProjektDBAktualizacja.cpp, loading tables into the collections in
// TProjektDBWczytywanie.cpp and saving them back in TProjektDBZapis.cpp.
class TProjektDB {
public:
    // Opens (creating or upgrading) the data file and loads it. Start-up
    // errors raise EDataError with a message for the user; a data file or
    // folder that cannot be written raises EBazaTylkoDoOdczytu. A file that
    // holds another program's tables is refused before anything is written.
    explicit TProjektDB(const QString& plikBazy);
    explicit TProjektDB(std::unique_ptr<TPlikiDB> plikiDB);
    // Frees the maps, the names, the collections, then the connection, which
    // rolls back a transaction left open.
    ~TProjektDB();
    TProjektDB(const TProjektDB&) = delete;
    TProjektDB& operator=(const TProjektDB&) = delete;

    TSQLiteDatabase& Baza() { return *fBaza; }
    TKolekcjeDanych& Kolekcje() { return *fKolekcje; }
    const TPlikiDB& PlikiDB() const { return *fPlikiDB; }
    // Part of the project's interface as the household program knows it,
    // kept although nothing here reads it. Set only by a start-up that finds
    // the file or its folder not writable, which then fails with
    // EBazaTylkoDoOdczytu: a constructed project never has it. Not the
    // read-only opening below.
    bool ReadOnlyMode() const { return fReadOnlyMode; }
    // Set by the host when the file is open in another window of the program
    // (the lock is held elsewhere): this window reads the file but never
    // writes it (the windows disable every command that would change data,
    // and the module's save writes nothing). The project's own savers do not
    // look at it.
    bool OtwartyTylkoDoOdczytu() const { return fOtwartyTylkoDoOdczytu; }
    void SetOtwartyTylkoDoOdczytu(bool value) { fOtwartyTylkoDoOdczytu = value; }

    // The table the host's window shows; Pusta after start-up.
    TTabele WyswietlanaTabela() const { return fWyswietlanaTabela; }
    void SetWyswietlanaTabela(TTabele value);
    // Whether the savings list carries a read-only balance holding the active
    // deposits. Setting it removes an old such balance and, when on, adds a
    // new one summed from the deposits in memory.
    bool PokazujLokatyWOszczednosciach() const { return fPokazujLokatyWOszczednosciach; }
    void SetPokazujLokatyWOszczednosciach(bool value);

    // --- Loading (TProjektDBWczytywanie.cpp) --------------------------------
    // Every error of a load is raised as EDataError with the message of its
    // cause. A loader replaces its whole list with the table's rows (records
    // BezZmian) and clears the list's change flag; when its query fails the
    // list stays as it was.

    // The buffered rows of a table's query; raises for Pusta and
    // PrzychodyIRozchody, which have none.
    std::unique_ptr<TSQLiteTable> PobierzDaneZTabeli(TTabele typTabeli);
    // SELECT * FROM "nazwaTabeli".
    std::unique_ptr<TSQLiteTable> PobierzDaneZTabeli(const QString& nazwaTabeli);
    // Loads one table, but only while its list holds no unsaved changes.
    // Lokaty and HarmonogramyLokatBankowych both go by the deposits' flag.
    void WczytajDaneZTabeliDoKolekcji(TTabele kolekcja);
    // Loads every table whose list holds no unsaved changes, and `kolekcja`
    // in any case (Pusta: none in any case); categories first.
    void WczytajDaneZTabelDoKolekcji(TTabele kolekcja);
    // Loads one table whatever its flag, dropping unsaved changes.
    void OdswiezZawartoscKolekcji(TTabele kolekcja);
    // The distinct stored values of one column, sorted ignoring letter case;
    // none when anything fails (an unknown column included).
    std::optional<QStringList> PobierzZawartoscKolumny(TTabele tabela, const QString& nazwaKolumny);
    // Whether the list of that table holds no unsaved changes; false for the
    // values that name no list of their own (HarmonogramyLokatBankowych too).
    bool TabelaZapisana(TTabele tabela) const;

    // --- Saving (TProjektDBZapis.cpp) ---------------------------------------
    // Writes the pending changes of one list to its table as one batch: an
    // UPDATE per record marked Zmieniono, an INSERT per Dodano, a DELETE per
    // Usunieto. Records that would break the data are left out and described
    // in the report. The records and the change flags are left exactly as
    // they were whatever the outcome: the caller reloads the list after a
    // save that committed, and keeps its changes after one that did not.
    // Raises EDataError, before anything ran, when a statement cannot be built.
    TWynikZapisu ZapiszZawartoscKolekcjiDoBazy(TTabele tabela);
    // Writes the pending changes of several lists in ONE transaction: the
    // file then holds either every change or none of them, whenever the
    // program stops. A backup of the file is made first; when it cannot be
    // made nothing is written. The result names the list whose statement
    // failed (none is then in the database), or no list when the transaction
    // itself could not begin or commit. Raises EDataError, before
    // anything ran, when a statement cannot be built or the backup fails.
    TWynikZapisuList ZapiszListyWJednejTransakcji(const std::vector<TTabele>& tabele);
    // A consistent copy of the open file into the backup folder beside it.
    QString UtworzKopieZapasowa();
    // Records the current total of savings, removes repeated totals and
    // reloads the list of totals. A batch that fails is kept for
    // WezBledyPolecen; so is one of a save's own recording of the total.
    void AktualizujStanOszczednosci();
    // No unsaved changes in the categories and persons.
    bool TabeleZKategoriamiZapisane() const;
    // No unsaved changes in the categories, persons, expenses, incomes,
    // savings, transfers, standing orders and their runs.
    bool TabeleZapisane() const;
    // The captions of the tables with unsaved changes, joined by ", ";
    // "(wszystkie tabele zapisane)" when there are none.
    QString EtykietyNiezapisanychTabel() const;

    // Record id -> name of the categories and persons written with an INSERT
    // by the last save of their table; empty when that save did not commit.
    const std::map<int32_t, QString>& ZapisKategoriWydatkow() const {
        return fZapisKategoriWydatkow;
    }
    const std::map<int32_t, QString>& ZapisKategoriPrzychodow() const {
        return fZapisKategoriPrzychodow;
    }
    const std::map<int32_t, QString>& ZapisKategoriOszczednosci() const {
        return fZapisKategoriOszczednosci;
    }
    const std::map<int32_t, QString>& ZapisOsob() const { return fZapisOsob; }

    // The batch runner: every statement the project writes goes through it.
    // Runs the statements in one transaction; when one fails the whole batch
    // is rolled back and the result carries the error's text and SQLite's
    // code. Nothing is run while a transaction is already open on the
    // connection. The pending parameters are cleared afterwards when asked.
    // Nothing is raised and nothing is shown: the caller tells the user.
    TWynikPolecenSQL WykonajPoleceniaWTransakcji(const QStringList& polecenia,
                                                 bool wyczyscParametry);
    TWynikPolecenSQL WykonajPolecenieSQL(const QString& polecenie, bool wyczyscParametry);
    // Statements given by the host; pending parameters are cleared afterwards.
    TWynikPolecenSQL WykonajWpisanePoleceniaSQL(const QStringList& listaPolecen);
    // The failed batches the project ran for itself and could hand back to no
    // caller (the start-up's tables and views, the recorded total of savings
    // after a save), in the order they failed; the list is empty afterwards.
    // The owner of the project shows them; a failed start-up hands them over
    // in its error (EDataError::BledyPolecen).
    QList<TWynikPolecenSQL> WezBledyPolecen();

private:
    // Keeps a failed batch for WezBledyPolecen.
    void ZachowajBlad(const TWynikPolecenSQL& wynik);
    void UruchomBaze();
    void UtworzFolderDanych();
    void SprawdzZapisWLokalizacji();
    void OtworzPolaczenie();
    void SprawdzCzyPlikDanych();
    void SprawdzZapisDoBazy();
    [[noreturn]] void OdmowBrakuZapisu(int kodSQLite, const QString& przyczyna);
    void UtworzTabele();
    void UtworzWidoki();
    // The last start-up step: fill every list of the collections.
    void WczytajTabelePoUruchomieniu();

    // Layout upgrade (TProjektDBAktualizacja.cpp).
    void AktualizujUklad();
    void ZabezpieczPlikInnejWersji();
    void OznaczWersjePliku();
    QStringList BrakujaceKolumny();
    bool KolumnaIstnieje(const QString& tabela, const QString& kolumna);
    bool KolumnyIstnieja(const QString& tabela, const QStringList& kolumny);
    void PrzeniesStaryUklad(const QString& tabela);
    QString WolnaNazwaDlaStaregoUkladu(const QString& tabela);
    QString PolecenieKopiowaniaWierszy(const QString& tabela, const QString& zrodlo);

    // Loaders (TProjektDBWczytywanie.cpp).
    // The loader of one table; then clears the flag of its list.
    void WczytajTabele(TTabele tabela);
    void WczytajOszczednosci();
    void WczytajKategorieOszczednosci();
    void WczytajStanyOszczednosci();
    QString ZapytanieTabeli(TTabele tabela) const;
    // The rows of the table's query, read as they come.
    TOdczytWiersza OdczytTabeli(TTabele tabela);
    bool KolumnaTabeli(TTabele tabela, const QString& nazwaKolumny);
    // Whether the table's layout in the file has that column.
    bool KolumnaWUkladzie(const QString& tabela, const QString& kolumna);

    // Saving (TProjektDBZapis.cpp).
    std::map<int32_t, QString>* MapaZapisu(TTabele tabela);
    TZapisTabeli PrzygotujZapis(TTabele tabela);
    void ZakonczZapis(TTabele tabela, const TZapisTabeli& zapis, bool zapisano);
    QString PolecenieStanuOszczednosci() const;
    QStringList PoleceniaUsunieciaPowtorzonychStanow() const;

    // Destroyed in reverse order: the maps first, the connection last.
    std::unique_ptr<TSQLiteDatabase> fBaza;
    std::unique_ptr<TKolekcjeDanych> fKolekcje;
    std::unique_ptr<TPlikiDB> fPlikiDB;
    std::map<int32_t, QString> fZapisKategoriWydatkow;
    std::map<int32_t, QString> fZapisKategoriPrzychodow;
    std::map<int32_t, QString> fZapisKategoriOszczednosci;
    std::map<int32_t, QString> fZapisOsob;
    TTabele fWyswietlanaTabela = TTabele::Pusta;
    bool fPokazujLokatyWOszczednosciach = false;
    // The layout version this program records in the file (PRAGMA user_version).
    static constexpr int64_t kWersjaPliku = 1;
    bool fKopiaPrzedZmiana = false;
    bool fReadOnlyMode = false;
    bool fOtwartyTylkoDoOdczytu = false;
    QList<TWynikPolecenSQL> fBledyPolecen;
};
