#pragma once
#include <QString>
#include <QStringList>

class TSQLiteDatabase;

// Tells, by reading the schema only, whether an SQLite file may become or is
// a household data file: an empty file, or one whose tables include ours,
// each with columns of our layout (current or old). A file that holds tables
// but none of ours, or one of ours with unrelated columns, belongs to another
// program and must not be written.
class TRozpoznaniePlikuDanych {
public:
    // Reads the schema; SQLite's failures raise ESQLiteException.
    explicit TRozpoznaniePlikuDanych(TSQLiteDatabase& baza);

    bool Obcy() const { return !fNieNasze.isEmpty(); }
    // The tables that made the file foreign: those of another program when
    // none of ours is there, else ours whose columns are not ours.
    const QStringList& NieNaszeTabele() const { return fNieNasze; }

private:
    QStringList fNieNasze;
};
