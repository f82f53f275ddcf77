#include "domain/OchronaPlikuDanych.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

bool TenSamPlik(const QString& a, const QString& b) {
    if (b.isEmpty())
        return false;
    const QString kanonA = QFileInfo(a).canonicalFilePath();
    if (!kanonA.isEmpty() && kanonA == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool BazaSQLite(const QString& sciezka) {
    static const QByteArray kNaglowek("SQLite format 3\0", 16);
    QFile plik(sciezka);
    if (!QFileInfo(sciezka).isFile() || !plik.open(QIODevice::ReadOnly))
        return false;
    return plik.read(kNaglowek.size()) == kNaglowek;
}

} // namespace

QString OdmowaZapisuEksportu(const QString& cel, const QString& plikDanych) {
    if (TenSamPlik(cel, plikDanych))
        return QStringLiteral("Nie można zapisać eksportu do pliku \"%1\": to jest otwarty plik "
                              "danych programu, który zostałby zastąpiony. Wybierz inny plik.")
            .arg(cel);
    if (BazaSQLite(cel))
        return QStringLiteral("Nie można zapisać eksportu do pliku \"%1\": ten plik jest bazą "
                              "danych (być może plikiem danych programu) i zostałby zastąpiony. "
                              "Wybierz inny plik.")
            .arg(cel);
    return {};
}
