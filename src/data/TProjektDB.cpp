#include "data/TProjektDB.h"

#include "data/EBazaTylkoDoOdczytu.h"
#include "data/EDataError.h"
#include "data/KomunikatyStartu.h"
#include "data/TKolekcjeDanych.h"
#include "data/TRozpoznaniePlikuDanych.h"
#include "data/TSchematBazy.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

const char* const kBledneDane =
    "Nie można nawiązać połączenia z bazą danych. Przekazano błędne dane wejściowe.";

const char* const kBrakFolderu =
    "Nie można nawiązać połączenia z bazą danych. Nie znaleziono plików z danymi, próba ich "
    "utworzenia nie powiodła się. Nie można utworzyć folderu %1 w którym utworzona będzie baza "
    "danych !!!\rSprawdź czy masz do tego odpowiednie uprawnienia lub czy zapis w podanej "
    "lokalizacji jest możliwy.";

const char* const kLokalizacjaTylkoDoOdczytu =
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu, baza w tym przypadku nie może poprawnie funkcjonować. "
    "Przenieś program wraz ze wszystkimi plikami w inne miejsce.";

// Writes a small text file and deletes it again; false when any step fails.
bool MoznaZapisacPlik(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const bool zapisano = plik.write("DANE\n") == 5;
    plik.close();
    const bool zamknieto = plik.error() == QFileDevice::NoError;
    const bool usunieto = plik.remove();
    return zapisano && zamknieto && usunieto;
}

} // namespace

TProjektDB::TProjektDB(const QString& plikBazy)
    : TProjektDB(plikBazy.isEmpty() ? nullptr : std::make_unique<TPlikiDB>(plikBazy)) {}

TProjektDB::TProjektDB(std::unique_ptr<TPlikiDB> plikiDB) {
    UstawFormaty();
    fKolekcje = std::make_unique<TKolekcjeDanych>();
    fKolekcje->Clear();
    fWyswietlanaTabela = TTabele::Pusta;
    fPlikiDB = std::move(plikiDB);
    // The project dies with a start-up error: the failed batches it kept go
    // with the error to whoever shows it.
    try {
        UruchomBaze();
    } catch (EDataError& blad) {
        blad.SetBledyPolecen(WezBledyPolecen());
        throw;
    }
}

TProjektDB::~TProjektDB() = default;

void TProjektDB::SetWyswietlanaTabela(TTabele value) {
    if (fWyswietlanaTabela != value)
        fWyswietlanaTabela = value;
}

void TProjektDB::UruchomBaze() {
    if (!fPlikiDB)
        throw EDataError(QString::fromUtf8(kBledneDane));
    UtworzFolderDanych();
    SprawdzZapisWLokalizacji();
    OtworzPolaczenie();
    SprawdzCzyPlikDanych();
    SprawdzZapisDoBazy();
    try {
        ZabezpieczPlikInnejWersji();
        UtworzTabele();
        AktualizujUklad();
        UtworzWidoki();
        OznaczWersjePliku();
    } catch (const ESQLiteException& e) {
        if (KodUszkodzonegoPliku(e.ExtendedCode()))
            throw EDataError(KomunikatUszkodzonegoPliku(fPlikiDB->DataFile(), e.Message()));
        throw EDataError(e.Message());
    }
    WczytajTabelePoUruchomieniu();
}

void TProjektDB::UtworzFolderDanych() {
    const QString folder = QFileInfo(fPlikiDB->DataFile()).absolutePath();
    if (QDir(folder).exists())
        return;
    std::error_code blad;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).data()),
                                        blad);
    if (!blad && QDir(folder).exists())
        return;
    QString tekst = QString::fromUtf8(kBrakFolderu).arg(QDir::toNativeSeparators(folder));
    if (blad)
        tekst += QLatin1Char('\r') + QString::fromLocal8Bit(blad.message().c_str());
    throw EDataError(tekst);
}

void TProjektDB::SprawdzZapisWLokalizacji() {
    const QString plikTestowy = fPlikiDB->DataFile() + QStringLiteral("test") +
                                FormatDateTime(QStringLiteral("yyyy'.'MM'.'dd'.'hh'.'mm"), Now()) +
                                QStringLiteral(".txt");
    if (MoznaZapisacPlik(plikTestowy))
        return;
    fReadOnlyMode = true;
    throw EBazaTylkoDoOdczytu(QString::fromUtf8(kLokalizacjaTylkoDoOdczytu));
}

void TProjektDB::OtworzPolaczenie() {
    try {
        fBaza = std::make_unique<TSQLiteDatabase>(fPlikiDB->DataFile());
    } catch (const ESQLiteException& e) {
        throw EDataError(e.Message());
    }
}

// A file written by another version of the program (or by one before the
// version was recorded) is backed up before this version changes anything
// in it; a new, empty file needs no backup.
void TProjektDB::ZabezpieczPlikInnejWersji() {
    const bool maTabele =
        fBaza->GetTableValue(QStringLiteral("SELECT count(*) FROM sqlite_master")) > 0;
    if (maTabele && fBaza->GetTableValue(QStringLiteral("PRAGMA user_version")) != kWersjaPliku)
        UtworzKopieZapasowa();
}

void TProjektDB::OznaczWersjePliku() {
    if (fBaza->GetTableValue(QStringLiteral("PRAGMA user_version")) != kWersjaPliku)
        fBaza->ExecSQL(QStringLiteral("PRAGMA user_version = %1").arg(kWersjaPliku));
}

// Another program's database is refused before anything is written to it.
// A file whose schema cannot even be read is refused as one that cannot be
// written, by SQLite's code.
void TProjektDB::SprawdzCzyPlikDanych() {
    try {
        const TRozpoznaniePlikuDanych plik(*fBaza);
        if (plik.Obcy())
            throw EDataError(KomunikatObcegoPliku(fPlikiDB->DataFile(), plik.NieNaszeTabele()));
    } catch (const ESQLiteException& e) {
        OdmowBrakuZapisu(e.ExtendedCode(), e.Message());
    }
}

// A file that cannot be written (locked by another program, read-only, not a
// database at all) would let every later save fail, so start-up ends here.
void TProjektDB::SprawdzZapisDoBazy() {
    const TWynikPolecenSQL wynik = WykonajPoleceniaWTransakcji(
        {QStringLiteral("DROP TABLE IF EXISTS \"Talvora_test\";"),
         QStringLiteral("CREATE TABLE IF NOT EXISTS \"Talvora_test\" (\"n\" INTEGER);"),
         QStringLiteral("DROP TABLE IF EXISTS \"Talvora_test\";")},
        true);
    if (wynik.Wykonano())
        return;
    // Kept as every failed batch, so that its owner shows it before the
    // refusal, which quotes it.
    ZachowajBlad(wynik);
    OdmowBrakuZapisu(wynik.KodSQLite, wynik.Blad);
}

void TProjektDB::OdmowBrakuZapisu(int kodSQLite, const QString& przyczyna) {
    fReadOnlyMode = true;
    throw EBazaTylkoDoOdczytu(KomunikatBrakuZapisu(kodSQLite, fPlikiDB->DataFile(), przyczyna));
}

void TProjektDB::UtworzTabele() {
    for (QStringList& wsad : TSchematBazy::WsadyTworzeniaTabel())
        ZachowajBlad(WykonajPoleceniaWTransakcji(std::move(wsad), true));
    fKolekcje->WypelnijTytulyKolumn();
}

void TProjektDB::UtworzWidoki() {
    for (const QString& widok : TSchematBazy::PoleceniaTworzeniaWidokow())
        ZachowajBlad(WykonajPolecenieSQL(widok, true));
}

void TProjektDB::WczytajTabelePoUruchomieniu() {
    WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
}
