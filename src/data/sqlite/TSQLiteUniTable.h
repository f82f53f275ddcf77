#pragma once
#include "data/sqlite/TSQLiteStatement.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

class TSQLiteDatabase;

// A forward-only result on a live statement, positioned on the first row by
// the constructor. The readers take the current row straight from SQLite,
// without type checks. The statement is finalized when the object goes.
class TSQLiteUniTable {
public:
    TSQLiteUniTable(TSQLiteDatabase& db, const QString& sql);

    // No current row any more (named after the end-of-data mark).
    bool Eof() const { return fEOF; }
    int ColCount() const { return fColCount; }
    int64_t Row() const { return fRow; }
    const QStringList& Columns() const { return fCols; }

    // Steps to the next row; answers whether there is one.
    bool Next();

    QString FieldAsString(int i) const;
    int64_t FieldAsInteger(int i) const;
    double FieldAsDouble(int i) const;
    bool FieldIsNull(int i) const;
    QByteArray FieldAsBlob(int i) const;
    // SQLite's own buffer, valid until the next step, and its size.
    const void* FieldAsBlobPtr(int i, int& iNumBytes) const;
    QString FieldAsBlobText(int i) const;

private:
    TSQLiteDatabase& fDB;
    QString fSQL;
    TSQLiteStatement fStmt;
    int fColCount = 0;
    QStringList fCols;
    int64_t fRow = 0;
    bool fEOF = false;
};
