#include "data/sqlite/TSQLiteUniTable.h"

#include "data/sqlite/TSQLiteDatabase.h"

#include <sqlite3.h>

TSQLiteUniTable::TSQLiteUniTable(TSQLiteDatabase& db, const QString& sql)
    : fDB(db), fSQL(sql), fStmt(db.PrepareStatement(sql)) {
    fColCount = sqlite3_column_count(fStmt.get());
    for (int i = 0; i < fColCount; ++i)
        fCols << QString::fromUtf8(sqlite3_column_name(fStmt.get(), i)).toUpper();
    Next();
}

bool TSQLiteUniTable::Next() {
    const int rc = sqlite3_step(fStmt.get());
    if (rc == SQLITE_ROW) {
        fEOF = false;
        ++fRow;
    } else if (rc == SQLITE_DONE) {
        fEOF = true;
    } else {
        sqlite3_reset(fStmt.get());
        fDB.RaiseSQLiteError(QStringLiteral("Could not retrieve data"), fSQL);
    }
    return !fEOF;
}

QString TSQLiteUniTable::FieldAsString(int i) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(fStmt.get(), i));
    if (!text)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(fStmt.get(), i));
}

int64_t TSQLiteUniTable::FieldAsInteger(int i) const {
    return sqlite3_column_int64(fStmt.get(), i);
}

double TSQLiteUniTable::FieldAsDouble(int i) const {
    return sqlite3_column_double(fStmt.get(), i);
}

bool TSQLiteUniTable::FieldIsNull(int i) const {
    return sqlite3_column_type(fStmt.get(), i) == SQLITE_NULL;
}

QByteArray TSQLiteUniTable::FieldAsBlob(int i) const {
    int size = 0;
    const void* bytes = FieldAsBlobPtr(i, size);
    return size > 0 ? QByteArray(static_cast<const char*>(bytes), size) : QByteArray();
}

const void* TSQLiteUniTable::FieldAsBlobPtr(int i, int& iNumBytes) const {
    const void* bytes = sqlite3_column_blob(fStmt.get(), i);
    iNumBytes = sqlite3_column_bytes(fStmt.get(), i);
    return bytes;
}

QString TSQLiteUniTable::FieldAsBlobText(int i) const {
    return QString::fromUtf8(FieldAsBlob(i));
}
