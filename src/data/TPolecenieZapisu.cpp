#include "data/TPolecenieZapisu.h"

namespace {

QString NazwaWCudzyslowie(const char* nazwa) {
    return QLatin1Char('"') + QLatin1String(nazwa) + QLatin1Char('"');
}

} // namespace

QString TPolecenieZapisu::Update(const QString& tabela, const TKolumnyZapisu& kolumny,
                                 QStringView separator, const QString& warunek) {
    QString polecenie = QStringLiteral("UPDATE \"") + tabela + QStringLiteral("\" SET ");
    for (size_t i = 0; i < kolumny.size(); ++i) {
        if (i > 0)
            polecenie.append(separator);
        polecenie += NazwaWCudzyslowie(kolumny[i].nazwa) + QLatin1Char('=') + kolumny[i].wartosc;
    }
    return polecenie + QStringLiteral(" WHERE ") + warunek + QLatin1Char(';');
}

QString TPolecenieZapisu::Insert(const QString& tabela, const TKolumnyZapisu& kolumny,
                                 QStringView koniecKolumn) {
    QString nazwy;
    QString wartosci;
    for (size_t i = 0; i < kolumny.size(); ++i) {
        if (i > 0) {
            nazwy += QStringLiteral(", ");
            wartosci += QLatin1Char(',');
        }
        nazwy += NazwaWCudzyslowie(kolumny[i].nazwa);
        wartosci += kolumny[i].wartosc;
    }
    return QStringLiteral("INSERT INTO \"") + tabela + QStringLiteral("\" (") + nazwy +
           koniecKolumn.toString() + QStringLiteral(" VALUES(") + wartosci + QStringLiteral(");");
}

QString TPolecenieZapisu::Delete(const QString& tabela, const QString& warunek) {
    return QStringLiteral("DELETE FROM \"") + tabela + QStringLiteral("\" WHERE ") + warunek +
           QLatin1Char(';');
}

QString TPolecenieZapisu::WarunekId(int32_t id) {
    return QStringLiteral("\"Id\"=") + QString::number(id);
}

QString TPolecenieZapisu::WarunekIdWCudzyslowie(int32_t id) {
    return QStringLiteral("\"Id\"=\"") + QString::number(id) + QLatin1Char('"');
}
