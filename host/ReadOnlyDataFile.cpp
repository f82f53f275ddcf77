#include "ReadOnlyDataFile.h"

#include "app/BledyPolecen.h"
#include "data/EDataError.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteScratchCopy.h"
#include "platform/HugePageHeap.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The file's bytes as they are, with the journals beside it, under the
// copy's name: a save cut short is then undone in the copy when it opens.
bool KopiujPliki(const QString& plik, const QString& kopia) {
    for (const char* dodatek : {"-journal", "-wal"}) {
        const QString journal = plik + QLatin1String(dodatek);
        if (QFileInfo::exists(journal) && !QFile::copy(journal, kopia + QLatin1String(dodatek)))
            return false;
    }
    return QFile::copy(plik, kopia);
}

// The committed state of the file, read through SQLite (a file in WAL mode
// included; consistent while a window writes). A file that SQLite cannot
// read that way is copied as it is, so that opening the copy gives the
// usual verdict on a damaged file or another program's database, or finishes
// the recovery of a save cut short in the copy, never in the user's file.
bool KopiaZatwierdzonegoStanu(const QString& plik, const QString& kopia) {
    try {
        TSQLiteDatabase zrodlo(plik, TSQLiteDatabase::TTryb::TylkoOdczyt);
        zrodlo.SetTimeout(5000); // a window may be writing its save
        zrodlo.BackupTo(kopia);
        return true;
    } catch (const ESQLiteException& blad) {
        QFile::remove(kopia);
        if (blad.Busy())
            throw EDataError(QStringLiteral("Plik danych %1 jest właśnie zapisywany przez inny "
                                            "program. Spróbuj ponownie za chwilę.")
                                 .arg(plik));
        return KopiujPliki(plik, kopia);
    }
}

} // namespace

ReadOnlyDataFile::ReadOnlyDataFile(const QString& sciezka)
    : fSciezka(QFileInfo(sciezka).absoluteFilePath()) {
    const QString& plik = fSciezka;
    if (!QFileInfo(plik).isFile())
        throw EDataError(QStringLiteral("Nie ma pliku danych %1.").arg(plik));
    const QString kopia = fKatalog.filePath(QFileInfo(plik).fileName());
    // Both the file and the copy are read through a mapping; the copy is
    // written without waiting for the disk.
    const TSQLiteScratchCopy kopiaRobocza;
    if (!fKatalog.isValid() || !KopiaZatwierdzonegoStanu(plik, kopia) ||
        !QFile::setPermissions(kopia, QFile::ReadOwner | QFile::WriteOwner))
        throw EDataError(QStringLiteral("Nie można odczytać pliku danych %1.").arg(plik));
    try {
        const HugePageHeap sterta(HugePageHeap::kPerFileByte *
                                  static_cast<size_t>(QFileInfo(kopia).size()));
        fProjekt = OtworzProjektDB(kopia);
    } catch (const std::exception& blad) {
        throw EDataError(TekstBledu(blad).replace(kopia, plik));
    }
}

ReadOnlyDataFile::~ReadOnlyDataFile() = default;
