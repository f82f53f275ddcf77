#include "tools/FileArgument.h"

#include "format/TagiStrumienia.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray kSqliteHeader("SQLite format 3\0", 16);
const QByteArray kOfferSignature(TagiStrumienia::kSygnatura, TagiStrumienia::kDlugoscSygnatury);

// Why a readable file is neither kind, in the words that fit its name and size.
QString NeitherKind(const QString& path, qint64 size) {
    if (QFileInfo(path).suffix().compare(QStringLiteral("vq_lb"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Plik \"%1\" nie jest plikiem lokat bankowych: nie zaczyna się od "
                              "\"TPF0\".")
            .arg(path);
    if (size == 0)
        return QStringLiteral("Plik \"%1\" jest pusty, więc nie jest ani plikiem danych, ani "
                              "plikiem lokat bankowych. Nowy plik danych zakłada: talvora --db "
                              "PLIK")
            .arg(path);
    return QStringLiteral("Plik \"%1\" nie jest ani plikiem danych programu (bazą SQLite), ani "
                          "plikiem lokat bankowych (.vq_lb).")
        .arg(path);
}

} // namespace

FileArgument::Kind FileArgument::Recognize(const QString& path, QString& error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("Nie ma pliku ani polecenia \"%1\".").arg(path);
        return Kind::None;
    }
    if (!info.isFile()) {
        error = QStringLiteral("\"%1\" nie jest zwykłym plikiem (to folder, kolejka lub "
                               "urządzenie).")
                    .arg(path);
        return Kind::None;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error =
            QStringLiteral("Nie można odczytać pliku \"%1\": %2.").arg(path, file.errorString());
        return Kind::None;
    }
    const QByteArray start = file.read(kSqliteHeader.size());
    if (start.startsWith(kSqliteHeader))
        return Kind::DataFile;
    if (start.startsWith(kOfferSignature))
        return Kind::OfferFile;
    error = NeitherKind(path, info.size());
    return Kind::None;
}
