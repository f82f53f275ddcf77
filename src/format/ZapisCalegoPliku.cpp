#include "format/ZapisCalegoPliku.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ZapiszCalyPlik(const QString& sciezka, const QByteArray& bajty) {
    const QString poczatek = QStringLiteral("Nie udało się zapisać pliku \"") +
                             QDir::toNativeSeparators(sciezka) + QStringLiteral("\": ");
    if (QFileInfo(sciezka).isDir())
        return poczatek + QStringLiteral("to jest folder");
    // QSaveFile writes beside the target, flushes and closes, then renames;
    // unless committed it removes its temporary file.
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(bajty) != bajty.size() || !plik.commit())
        return poczatek + plik.errorString();
    return {};
}
