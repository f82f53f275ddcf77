#include "data/TPolecenieZapisu.h"

namespace {

// Room for the names and values of a statement, so it is built in place.
qsizetype Dlugosc(const QString& tabela, const TKolumnyZapisu& kolumny) {
    qsizetype dlugosc = tabela.size() + 40;
    for (const TKolumnaZapisu& kolumna : kolumny)
        dlugosc += static_cast<qsizetype>(qstrlen(kolumna.nazwa)) + kolumna.wartosc.size() + 6;
    return dlugosc;
}

void DodajNazwe(QString& polecenie, const char* nazwa) {
    polecenie.append(QLatin1Char('"')).append(QLatin1String(nazwa)).append(QLatin1Char('"'));
}

} // namespace

QString TPolecenieZapisu::Update(const QString& tabela, const TKolumnyZapisu& kolumny,
                                 QStringView separator, const QString& warunek) {
    QString polecenie;
    polecenie.reserve(Dlugosc(tabela, kolumny) + warunek.size());
    polecenie.append(QLatin1String("UPDATE \"")).append(tabela).append(QLatin1String("\" SET "));
    for (size_t i = 0; i < kolumny.size(); ++i) {
        if (i > 0)
            polecenie.append(separator);
        DodajNazwe(polecenie, kolumny[i].nazwa);
        polecenie.append(QLatin1Char('=')).append(kolumny[i].wartosc);
    }
    return polecenie.append(QLatin1String(" WHERE ")).append(warunek).append(QLatin1Char(';'));
}

QString TPolecenieZapisu::Insert(const QString& tabela, const TKolumnyZapisu& kolumny,
                                 QStringView koniecKolumn) {
    QString polecenie;
    polecenie.reserve(Dlugosc(tabela, kolumny));
    polecenie.append(QLatin1String("INSERT INTO \"")).append(tabela).append(QLatin1String("\" ("));
    for (size_t i = 0; i < kolumny.size(); ++i) {
        if (i > 0)
            polecenie.append(QLatin1String(", "));
        DodajNazwe(polecenie, kolumny[i].nazwa);
    }
    polecenie.append(koniecKolumn).append(QLatin1String(" VALUES("));
    for (size_t i = 0; i < kolumny.size(); ++i) {
        if (i > 0)
            polecenie.append(QLatin1Char(','));
        polecenie.append(kolumny[i].wartosc);
    }
    return polecenie.append(QLatin1String(");"));
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
