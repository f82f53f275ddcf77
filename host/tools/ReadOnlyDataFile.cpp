#include "tools/ReadOnlyDataFile.h"

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
bool CopyFiles(const QString& file, const QString& copy) {
    for (const char* suffix : {"-journal", "-wal"}) {
        const QString journal = file + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !QFile::copy(journal, copy + QLatin1String(suffix)))
            return false;
    }
    return QFile::copy(file, copy);
}

// The committed state of the file, read through SQLite (a file in WAL mode
// included; consistent while a window writes). A file that SQLite cannot
// read that way is copied as it is, so that opening the copy gives the
// usual verdict on a damaged file or another program's database, or finishes
// the recovery of a save cut short in the copy, never in the user's file.
bool CopyCommittedState(const QString& file, const QString& copy) {
    try {
        TSQLiteDatabase source(file, TSQLiteDatabase::TTryb::TylkoOdczyt);
        source.SetTimeout(5000); // a window may be writing its save
        source.BackupTo(copy);
        return true;
    } catch (const ESQLiteException& error) {
        QFile::remove(copy);
        if (error.Busy())
            throw EDataError(QStringLiteral("Plik danych %1 jest właśnie zapisywany przez inny "
                                            "program. Spróbuj ponownie za chwilę.")
                                 .arg(file));
        return CopyFiles(file, copy);
    }
}

} // namespace

ReadOnlyDataFile::ReadOnlyDataFile(const QString& path)
    : fPath(QFileInfo(path).absoluteFilePath()) {
    const QString& file = fPath;
    if (!QFileInfo(file).isFile())
        throw EDataError(QStringLiteral("Nie ma pliku danych %1.").arg(file));
    const QString copy = fFolder.filePath(QFileInfo(file).fileName());
    // Both the file and the copy are read through a mapping; the copy is
    // written without waiting for the disk.
    const TSQLiteScratchCopy scratchCopy;
    if (!fFolder.isValid() || !CopyCommittedState(file, copy) ||
        !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner))
        throw EDataError(QStringLiteral("Nie można odczytać pliku danych %1.").arg(file));
    try {
        const HugePageHeap heap(HugePageHeap::kPerFileByte *
                                static_cast<size_t>(QFileInfo(copy).size()));
        fProject = OtworzProjektDB(copy);
    } catch (const std::exception& error) {
        throw EDataError(TekstBledu(error).replace(copy, file));
    }
}

ReadOnlyDataFile::~ReadOnlyDataFile() = default;
