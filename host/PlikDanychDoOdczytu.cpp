#include "PlikDanychDoOdczytu.h"

#include "data/EDataError.h"
#include "data/TProjektDB.h"

#include <QFileInfo>

std::unique_ptr<TProjektDB> OtworzPlikDanychDoOdczytu(const QString& sciezka) {
    const QFileInfo plik(sciezka);
    if (!plik.isFile())
        throw EDataError(QStringLiteral("Nie ma takiego pliku danych: ") + plik.absoluteFilePath());
    return std::make_unique<TProjektDB>(plik.absoluteFilePath());
}
