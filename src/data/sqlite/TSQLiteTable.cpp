#include "data/sqlite/TSQLiteTable.h"

#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "format/Formatowanie.h"

#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace {

int TypeOfDeclaration(const char* declared, sqlite3_stmt* statement, int column) {
    if (!declared)
        return sqlite3_column_type(statement, column);
    const QByteArray type(declared);
    if (type == "INTEGER" || type == "BOOLEAN")
        return TSQLiteTable::Integer;
    if (type == "NUMERIC" || type == "FLOAT" || type == "DOUBLE" || type == "REAL")
        return TSQLiteTable::Float;
    if (type == "BLOB")
        return TSQLiteTable::Blob;
    return TSQLiteTable::Text;
}

int64_t Truncated(double value) {
    constexpr double limit = 9223372036854775807.0;
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return std::numeric_limits<int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(value);
}

} // namespace

int TSQLiteTable::ColumnType(sqlite3_stmt* statement, int column) {
    return TypeOfDeclaration(sqlite3_column_decltype(statement, column), statement, column);
}

bool TSQLiteTable::Step(TSQLiteDatabase& db, sqlite3_stmt* statement, const QString& sql) {
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    if (rc == SQLITE_BUSY)
        throw ESQLiteException(QStringLiteral("Could not prepare SQL statement"),
                               sqlite3_extended_errcode(db.DB()));
    sqlite3_reset(statement);
    db.RaiseSQLiteError(QStringLiteral("Could not retrieve data"), sql);
}

TSQLiteTable::TSQLiteTable(TSQLiteDatabase& db, const QString& sql) {
    const TSQLiteStatement statement = db.PrepareStatement(sql);
    while (Step(db, statement.get(), sql)) {
        ++fRowCount;
        if (fRowCount == 1)
            ReadColumns(statement.get());
        ReadRow(statement.get());
    }
    fRow = 0;
}

void TSQLiteTable::ReadColumns(sqlite3_stmt* statement) {
    fColCount = sqlite3_column_count(statement);
    for (int i = 0; i < fColCount; ++i) {
        fCols << QString::fromUtf8(sqlite3_column_name(statement, i)).toUpper();
        fColTypes.push_back(ColumnType(statement, i));
    }
}

void TSQLiteTable::ReadRow(sqlite3_stmt* statement) {
    for (int i = 0; i < fColCount; ++i) {
        if (sqlite3_column_type(statement, i) == SQLITE_NULL) {
            fResults.emplace_back();
            continue;
        }
        switch (fColTypes[i]) {
        case Integer:
            fResults.emplace_back(static_cast<int64_t>(sqlite3_column_int64(statement, i)));
            break;
        case Float:
            fResults.emplace_back(sqlite3_column_double(statement, i));
            break;
        case Blob: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, i));
            const int size = sqlite3_column_bytes(statement, i);
            if (size > 0)
                fResults.emplace_back(QByteArray(bytes, size));
            else
                fResults.emplace_back();
            break;
        }
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            fResults.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(statement, i)));
            break;
        }
        }
    }
}

const TSQLiteTable::TKomorka& TSQLiteTable::Cell(int i) const {
    if (Eof())
        throw ESQLiteException(QStringLiteral("Table is at End of File"));
    if (i < 0 || i >= fColCount)
        throw ESQLiteException(QStringLiteral("Field index out of range: ") + QString::number(i));
    return fResults[static_cast<size_t>(fRow) * static_cast<size_t>(fColCount) +
                    static_cast<size_t>(i)];
}

int64_t TSQLiteTable::CountResult() const {
    if (Eof())
        return 0;
    return FieldAsString(0).toLongLong();
}

int TSQLiteTable::ColumnIndexByName(const QString& name) const {
    if (fCols.isEmpty())
        throw ESQLiteException(QStringLiteral("Field ") + name +
                               QStringLiteral(" Not found. Empty dataset"));
    const int index = fCols.indexOf(name.toUpper());
    if (index < 0)
        throw ESQLiteException(QStringLiteral("Field not found in dataset: ") + name);
    return index;
}

QString TSQLiteTable::FieldAsStringByName(const QString& name) const {
    return FieldAsString(ColumnIndexByName(name));
}

QString TSQLiteTable::FieldAsString(int i) const {
    const TKomorka& cell = Cell(i);
    if (std::holds_alternative<std::monostate>(cell))
        return {};
    switch (fColTypes[i]) {
    case Integer:
        return QString::number(std::get<int64_t>(cell));
    case Float:
        return FloatToStr(std::get<double>(cell), FormatyProcesu());
    case Text:
        return std::get<QString>(cell);
    case Blob:
        return QString::fromUtf8(std::get<QByteArray>(cell));
    default:
        return {};
    }
}

int64_t TSQLiteTable::FieldAsInteger(int i) const {
    const TKomorka& cell = Cell(i);
    if (std::holds_alternative<std::monostate>(cell))
        return 0;
    if (fColTypes[i] == Integer)
        return std::get<int64_t>(cell);
    if (fColTypes[i] == Float)
        return Truncated(std::get<double>(cell));
    throw ESQLiteException(QStringLiteral("Not an integer or numeric field"));
}

double TSQLiteTable::FieldAsDouble(int i) const {
    const TKomorka& cell = Cell(i);
    if (std::holds_alternative<std::monostate>(cell))
        return 0;
    if (fColTypes[i] == Integer)
        return static_cast<double>(std::get<int64_t>(cell));
    if (fColTypes[i] == Float)
        return std::get<double>(cell);
    throw ESQLiteException(QStringLiteral("Not an integer or numeric field"));
}

const QByteArray* TSQLiteTable::FieldAsBlob(int i) const {
    const TKomorka& cell = Cell(i);
    if (std::holds_alternative<std::monostate>(cell))
        return nullptr;
    if (fColTypes[i] != Blob)
        throw ESQLiteException(QStringLiteral("Not a Blob field"));
    return &std::get<QByteArray>(cell);
}

QString TSQLiteTable::FieldAsBlobText(int i) const {
    const QByteArray* blob = FieldAsBlob(i);
    return blob ? QString::fromUtf8(*blob) : QString();
}

bool TSQLiteTable::FieldIsNull(int i) const {
    return std::holds_alternative<std::monostate>(Cell(i));
}

bool TSQLiteTable::Next() {
    if (Eof())
        return false;
    ++fRow;
    return true;
}

bool TSQLiteTable::Previous() {
    if (fRow == 0)
        return false;
    --fRow;
    return true;
}

bool TSQLiteTable::MoveFirst() {
    if (fRowCount == 0)
        return false;
    fRow = 0;
    return true;
}

bool TSQLiteTable::MoveLast() {
    if (fRowCount == 0)
        return false;
    fRow = fRowCount - 1;
    return true;
}

bool TSQLiteTable::MoveTo(uint32_t position) {
    if (fRowCount == 0 || position >= fRowCount)
        return false;
    fRow = position;
    return true;
}
