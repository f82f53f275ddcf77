#pragma once
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteUniTable.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

// Helpers for tests that look into a data file.

// Runs each statement of a fixture on the file (creating it when missing).
inline void UtworzPlik(const QString& sciezka, std::initializer_list<const char*> polecenia) {
    TSQLiteDatabase baza(sciezka);
    for (const char* polecenie : polecenia)
        baza.ExecSQL(QString::fromUtf8(polecenie));
}

// Every row of a query, its cells joined by "|".
inline QStringList Wiersze(TSQLiteDatabase& baza, const QString& sql) {
    QStringList wiersze;
    const auto wynik = baza.GetUniTable(sql);
    for (; !wynik->Eof(); wynik->Next()) {
        QStringList komorki;
        for (int i = 0; i < wynik->ColCount(); ++i)
            komorki << (wynik->FieldIsNull(i) ? QStringLiteral("NULL") : wynik->FieldAsString(i));
        wiersze << komorki.join(QLatin1Char('|'));
    }
    return wiersze;
}

// The names of the schema's objects of one type ("table", "index", "view"),
// SQLite's own ones left out.
inline QStringList Obiekty(TSQLiteDatabase& baza, const char* typ) {
    return Wiersze(baza, QStringLiteral("SELECT name FROM sqlite_master WHERE type = '") +
                             QLatin1String(typ) +
                             QStringLiteral("' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
}

// The declared type of one column ("" when it has none).
inline QString TypKolumny(TSQLiteDatabase& baza, const QString& tabela, const QString& kolumna) {
    return baza.GetTableString(QStringLiteral("SELECT type FROM pragma_table_info('") + tabela +
                               QStringLiteral("') WHERE name = '") + kolumna + "'");
}

// The whole schema and every row of every table.
inline QStringList ZrzutBazy(TSQLiteDatabase& baza) {
    QStringList zrzut = Wiersze(baza, "SELECT type, name, sql FROM sqlite_master ORDER BY name");
    for (const QString& tabela : Wiersze(baza, "SELECT name FROM sqlite_master WHERE type = "
                                               "'table' ORDER BY name"))
        zrzut << tabela
              << Wiersze(baza, QStringLiteral("SELECT * FROM \"") + tabela + "\" ORDER BY rowid");
    return zrzut;
}
