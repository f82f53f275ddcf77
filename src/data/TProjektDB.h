#pragma once
#include "data/TPlikiDB.h"
#include "data/TTabele.h"
#include "data/TWynikPolecenSQL.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>

class TKolekcjeDanych;
class TSQLiteDatabase;

// The household database project: owner of the connection to the data file,
// of the in-memory collections and of the table names (TPlikiDB).
//
// Its member functions live in several files: the start-up in TProjektDB.cpp,
// the batch runner in TProjektDBPolecenia.cpp, the layout upgrade in
// TProjektDBAktualizacja.cpp; loading tables into the collections and saving
// them back belong in files of their own next to these.
class TProjektDB {
public:
    // Opens (creating or upgrading) the data file and loads it. Start-up
    // errors raise EDataError with a message for the user; a data file or
    // folder that cannot be written raises EBazaTylkoDoOdczytu.
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
    bool ReadOnlyMode() const { return fReadOnlyMode; }

    // The table the host's window shows; Pusta after start-up.
    TTabele WyswietlanaTabela() const { return fWyswietlanaTabela; }
    void SetWyswietlanaTabela(TTabele value);
    bool PokazujLokatyWOszczednosciach() const { return fPokazujLokatyWOszczednosciach; }

    // Record id -> name of the categories and persons written with an INSERT
    // by the last save of their table.
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
    // Runs the statements in one transaction; a failing one is shown in the
    // error box and the whole batch is rolled back. Nothing is run while a
    // transaction is already open on the connection. The pending parameters
    // are cleared afterwards when asked. Nothing is raised.
    TWynikPolecenSQL WykonajPoleceniaWTransakcji(QStringList polecenia, bool wyczyscParametry);
    TWynikPolecenSQL WykonajPolecenieSQL(const QString& polecenie, bool wyczyscParametry);
    // Statements given by the host; pending parameters are cleared afterwards.
    TWynikPolecenSQL WykonajWpisanePoleceniaSQL(QStringList listaPolecen);

private:
    void UruchomBaze();
    void UtworzFolderDanych();
    void SprawdzZapisWLokalizacji();
    void OtworzPolaczenie();
    void SprawdzZapisDoBazy();
    void UtworzTabele();
    void UtworzWidoki();
    // The last start-up step: fill every list of the collections.
    void WczytajTabelePoUruchomieniu();

    // Layout upgrade (TProjektDBAktualizacja.cpp).
    void AktualizujUklad();
    bool KolumnaIstnieje(const QString& tabela, const QString& kolumna);
    void PrzeniesStaryUklad(const QString& tabela);
    QString WolnaNazwaDlaStaregoUkladu(const QString& tabela);
    QString PolecenieKopiowaniaWierszy(const QString& tabela, const QString& zrodlo);

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
    bool fReadOnlyMode = false;
};
