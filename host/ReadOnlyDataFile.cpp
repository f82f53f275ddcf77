#include "ReadOnlyDataFile.h"

#include "data/EDataError.h"
#include "data/TProjektDB.h"
#include "data/TekstBledu.h"

#include <QFile>
#include <QFileInfo>

ReadOnlyDataFile::ReadOnlyDataFile(const QString& sciezka)
    : fSciezka(QFileInfo(sciezka).absoluteFilePath()) {
    const QString& plik = fSciezka;
    if (!QFileInfo(plik).isFile())
        throw EDataError(QStringLiteral("Nie ma pliku danych %1.").arg(plik));
    const QString kopia = fKatalog.filePath(QFileInfo(plik).fileName());
    if (!fKatalog.isValid() || !QFile::copy(plik, kopia) ||
        !QFile::setPermissions(kopia, QFile::ReadOwner | QFile::WriteOwner))
        throw EDataError(QStringLiteral("Nie można odczytać pliku danych %1.").arg(plik));
    try {
        fProjekt = std::make_unique<TProjektDB>(kopia);
    } catch (const std::exception& blad) {
        throw EDataError(TekstBledu(blad).replace(kopia, plik));
    }
}

ReadOnlyDataFile::~ReadOnlyDataFile() = default;
