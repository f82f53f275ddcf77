#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <variant>
#include <vector>

class TSQLiteDatabase;
struct sqlite3_stmt;

// The whole result of one query, read into memory by the constructor and then
// walked with a cursor; it never touches the database again.
//
// Each column gets a type code from its declared type, compared exactly:
// "INTEGER"/"BOOLEAN" integer, "NUMERIC"/"FLOAT"/"DOUBLE"/"REAL" float, "BLOB"
// blob, any other declared type (TEXT, BOOL, DATETIME, "integer") text; a
// column without one (an expression) takes SQLite's storage class of its cell
// in the first row. Column names are kept upper-cased, and only when the
// result has a row.
class TSQLiteTable {
public:
    enum TypKolumny : int { Integer = 1, Float = 2, Text = 3, Blob = 4, Null = 5 };

    TSQLiteTable(TSQLiteDatabase& db, const QString& sql);

    // The type code of a column of a statement stepped onto its first row.
    static int ColumnType(sqlite3_stmt* statement, int column);
    // Steps the statement of `sql`: answers whether a row came, raises the
    // errors of reading a result.
    static bool Step(TSQLiteDatabase& db, sqlite3_stmt* statement, const QString& sql);

    // The cursor is past the last row (named after the end-of-data mark).
    bool Eof() const { return fRow >= fRowCount; }
    bool Bof() const { return fRow == 0; }
    int ColCount() const { return fColCount; }
    uint32_t RowCount() const { return fRowCount; }
    uint32_t Row() const { return fRow; }
    uint32_t Count() const { return fRowCount; }
    // The first column of the current row as an integer; 0 at the end.
    int64_t CountResult() const;
    const QStringList& Columns() const { return fCols; }
    const std::vector<int>& ColumnTypes() const { return fColTypes; }

    int ColumnIndexByName(const QString& name) const;
    QString FieldAsStringByName(const QString& name) const;
    QString FieldAsString(int i) const;
    int64_t FieldAsInteger(int i) const;
    double FieldAsDouble(int i) const;
    // The blob's bytes, owned by the table; null for an absent cell.
    const QByteArray* FieldAsBlob(int i) const;
    QString FieldAsBlobText(int i) const;
    bool FieldIsNull(int i) const;

    bool Next();
    bool Previous();
    bool MoveFirst();
    bool MoveLast();
    bool MoveTo(uint32_t position);

private:
    // An absent cell (SQL NULL or an empty blob) or its value.
    using TKomorka = std::variant<std::monostate, int64_t, double, QString, QByteArray>;

    void ReadColumns(sqlite3_stmt* statement);
    void ReadRow(sqlite3_stmt* statement);
    const TKomorka& Cell(int i) const;

    std::vector<TKomorka> fResults;
    uint32_t fRowCount = 0;
    int fColCount = 0;
    QStringList fCols;
    std::vector<int> fColTypes;
    uint32_t fRow = 0;
};
