#include "data/sqlite/TSQLiteDatabase.h"

#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteScratchCopy.h"
#include "data/sqlite/TSQLiteTable.h"
#include "data/sqlite/TSQLiteUniTable.h"

#include <sqlite3.h>

namespace {

// Empties the pending parameters when the preparation ends, however it ends.
class ParamsDiscard {
public:
    explicit ParamsDiscard(std::vector<TSQliteParam>& params) : fParams(params) {}
    ~ParamsDiscard() { fParams.clear(); }
    ParamsDiscard(const ParamsDiscard&) = delete;
    ParamsDiscard& operator=(const ParamsDiscard&) = delete;

private:
    std::vector<TSQliteParam>& fParams;
};

QString CodeTextOfKnownCode(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("Successful result");
    case 1:
        return QStringLiteral("SQL error or missing database");
    case 2:
        return QStringLiteral("An internal logic error in SQLite");
    case 3:
        return QStringLiteral("Access permission denied");
    case 4:
        return QStringLiteral("Callback routine requested an abort");
    case 5:
        return QStringLiteral("The database file is locked");
    case 6:
        return QStringLiteral("A table in the database is locked");
    case 7:
        return QStringLiteral("A malloc() failed");
    case 8:
        return QStringLiteral("Attempt to write a readonly database");
    case 9:
        return QStringLiteral("Operation terminated by sqlite3_interrupt()");
    case 10:
        return QStringLiteral("Some kind of disk I/O error occurred");
    case 11:
        return QStringLiteral("The database disk image is malformed");
    case 12:
        return QStringLiteral("(Internal Only) Table or record not found");
    case 13:
        return QStringLiteral("Insertion failed because database is full");
    case 14:
        return QStringLiteral("Unable to open the database file");
    case 15:
        return QStringLiteral("Database lock protocol error");
    case 16:
        return QStringLiteral("Database is empty");
    case 17:
        return QStringLiteral("The database schema changed");
    case 18:
        return QStringLiteral("Too much data for one row of a table");
    case 19:
        return QStringLiteral("Abort due to contraint violation");
    case 20:
        return QStringLiteral("Data type mismatch");
    case 21:
        return QStringLiteral("Library used incorrectly");
    case 22:
        return QStringLiteral("Uses OS features not supported on host");
    case 23:
        return QStringLiteral("Authorization denied");
    case 24:
        return QStringLiteral("Auxiliary database format error");
    case 25:
        return QStringLiteral("2nd parameter to sqlite3_bind out of range");
    case 26:
        return QStringLiteral("File opened that is not a database file");
    case 100:
        return QStringLiteral("sqlite3_step() has another row ready");
    case 101:
        return QStringLiteral("sqlite3_step() has finished executing");
    default:
        return {};
    }
}

} // namespace

TSQLiteDatabase::TSQLiteDatabase(const QString& fileName)
    : TSQLiteDatabase(fileName, TTryb::OdczytIZapis) {}

TSQLiteDatabase::TSQLiteDatabase(const QString& fileName, TTryb tryb) {
    const QByteArray name = fileName.toUtf8();
    sqlite3* handle = nullptr;
    const int flags = (tryb == TTryb::TylkoOdczyt ? SQLITE_OPEN_READONLY
                                                  : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
                      SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(name.constData(), &handle, flags, nullptr);
    if (rc == SQLITE_OK) {
        fDB = handle;
        // The loaders' ORDER BY sorts whole tables: in memory, not spilled
        // into a temporary file, since the rows end up in memory anyway.
        sqlite3_exec(handle, "PRAGMA temp_store=MEMORY;", nullptr, nullptr, nullptr);
        if (TSQLiteScratchCopy::Active())
            sqlite3_exec(handle, TSQLiteScratchCopy::kPragmas, nullptr, nullptr, nullptr);
        return;
    }
    const QString reason =
        handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("unknown error");
    const int code = handle ? sqlite3_extended_errcode(handle) : rc;
    sqlite3_close(handle);
    throw ESQLiteException(QStringLiteral("Failed to open database \"") + fileName +
                               QStringLiteral("\" : ") + reason,
                           code);
}

TSQLiteDatabase::~TSQLiteDatabase() {
    if (fInTrans) {
        try {
            Rollback();
        } catch (const ESQLiteException&) {
            // Closing the connection ends the transaction anyway.
        }
    }
    sqlite3_close_v2(fDB);
}

QString TSQLiteDatabase::ErrorCodeText(int code) {
    const QString known = CodeTextOfKnownCode(code);
    if (!known.isEmpty())
        return known;
    return QStringLiteral("Unknown SQLite Error Code \"") + QString::number(code) +
           QStringLiteral("\"");
}

void TSQLiteDatabase::RaiseSQLiteError(const QString& msg, const QString& sql) const {
    const int code = sqlite3_errcode(fDB);
    const QString text = code != SQLITE_OK ? QString::fromUtf8(sqlite3_errmsg(fDB)) : QString();
    if (text.isEmpty())
        throw ESQLiteException(msg);
    throw ESQLiteException(msg + QStringLiteral(".\rError [") + QString::number(code) +
                               QStringLiteral("]: ") + ErrorCodeText(code) +
                               QStringLiteral(".\r\"") + sql + QStringLiteral("\": ") + text,
                           sqlite3_extended_errcode(fDB));
}

TSQLiteStatement TSQLiteDatabase::PrepareStatement(const QString& sql) {
    const ParamsDiscard discard(fParams);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const int rc =
        sqlite3_prepare_v2(fDB, text.constData(), static_cast<int>(text.size()), &raw, nullptr);
    TSQLiteStatement statement(raw);
    if (rc != SQLITE_OK)
        RaiseSQLiteError(QStringLiteral("Error executing SQL"), sql);
    if (!statement)
        RaiseSQLiteError(QStringLiteral("Could not prepare SQL statement"), sql);
    if (fOnQuery)
        fOnQuery(*this, sql);
    BindPendingParams(statement.get(), sql);
    return statement;
}

void TSQLiteDatabase::BindPendingParams(sqlite3_stmt* statement, const QString& sql) {
    for (const TSQliteParam& param : fParams) {
        const int index = sqlite3_bind_parameter_index(statement, param.name.toUtf8().constData());
        if (index == 0)
            continue;
        int rc = SQLITE_OK;
        QString failure;
        switch (param.valuetype) {
        case TSQliteParam::Integer:
            rc = sqlite3_bind_int64(statement, index, param.valueinteger);
            failure = QStringLiteral("Could not bind integer");
            break;
        case TSQliteParam::Float:
            rc = sqlite3_bind_double(statement, index, param.valuefloat);
            failure = QStringLiteral("Could not bind extended");
            break;
        case TSQliteParam::Text: {
            const QByteArray value = param.valuedata.toUtf8();
            rc = sqlite3_bind_text(statement, index, value.constData(),
                                   static_cast<int>(value.size()), SQLITE_TRANSIENT);
            failure = QStringLiteral("Could not bind text");
            break;
        }
        default:
            rc = sqlite3_bind_null(statement, index);
            failure = QStringLiteral("Could not bind null");
            break;
        }
        if (rc != SQLITE_OK)
            RaiseSQLiteError(failure, sql);
    }
}

void TSQLiteDatabase::ExecSQL(const QString& sql) {
    const TSQLiteStatement statement = PrepareStatement(sql);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
        sqlite3_reset(statement.get());
        RaiseSQLiteError(QStringLiteral("Error executing SQL statement"), sql);
    }
}

void TSQLiteDatabase::ExecSQL(TSQLiteQuery& query) {
    if (!query.Statement)
        return;
    const int rc = sqlite3_step(query.Statement.get());
    sqlite3_reset(query.Statement.get());
    if (rc != SQLITE_DONE)
        RaiseSQLiteError(QStringLiteral("Error executing prepared SQL statement"), query.SQL);
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::GetTable(const QString& sql) {
    return std::make_unique<TSQLiteTable>(*this, sql);
}

std::unique_ptr<TSQLiteUniTable> TSQLiteDatabase::GetUniTable(const QString& sql) {
    return std::make_unique<TSQLiteUniTable>(*this, sql);
}

int64_t TSQLiteDatabase::GetTableValue(const QString& sql) {
    TSQLiteUniTable table(*this, sql);
    return table.Eof() ? 0 : table.FieldAsInteger(0);
}

QString TSQLiteDatabase::GetTableString(const QString& sql) {
    TSQLiteUniTable table(*this, sql);
    return table.Eof() ? QString() : table.FieldAsString(0);
}

void TSQLiteDatabase::GetTableStrings(const QString& sql, QStringList& value) {
    value.clear();
    TSQLiteUniTable table(*this, sql);
    while (!table.Eof()) {
        value << table.FieldAsString(0);
        table.Next();
    }
}

void TSQLiteDatabase::BeginTransaction() {
    if (fInTrans)
        throw ESQLiteException(QStringLiteral("Transaction already open"));
    ExecSQL(QStringLiteral("BEGIN TRANSACTION"));
    fInTrans = true;
}

void TSQLiteDatabase::Commit() {
    ExecSQL(QStringLiteral("COMMIT"));
    fInTrans = false;
}

void TSQLiteDatabase::Rollback() {
    // SQLite ends a transaction by itself after some failures (a full disk,
    // an I/O error); a ROLLBACK would then fail and leave the flag set.
    if (fInTrans && sqlite3_get_autocommit(fDB)) {
        fInTrans = false;
        return;
    }
    ExecSQL(QStringLiteral("ROLLBACK"));
    fInTrans = false;
}

bool TSQLiteDatabase::TableExists(const QString& tableName) {
    QString name = tableName.toLower();
    name.replace(QLatin1Char('\''), QStringLiteral("''"));
    const auto table =
        GetTable(QStringLiteral(
                     "select [sql] from sqlite_master where [type] = 'table' and lower(name) = '") +
                 name + QStringLiteral("' "));
    return table->RowCount() > 0;
}

int64_t TSQLiteDatabase::GetLastInsertRowID() const {
    return sqlite3_last_insert_rowid(fDB);
}

int64_t TSQLiteDatabase::GetLastChangedRows() const {
    return sqlite3_total_changes64(fDB);
}

int TSQLiteDatabase::RowsChanged() const {
    return sqlite3_changes(fDB);
}

void TSQLiteDatabase::SetTimeout(int milliseconds) {
    sqlite3_busy_timeout(fDB, milliseconds);
}

void TSQLiteDatabase::SetSynchronised(bool value) {
    if (value == fSync)
        return;
    ExecSQL(value ? QStringLiteral("PRAGMA synchronous = ON;")
                  : QStringLiteral("PRAGMA synchronous = OFF;"));
    fSync = value;
}

int TSQLiteDatabase::Backup(TSQLiteDatabase& target, const QString& targetName,
                            const QString& sourceName) {
    sqlite3_backup* backup = sqlite3_backup_init(target.fDB, targetName.toUtf8().constData(), fDB,
                                                 sourceName.toUtf8().constData());
    if (!backup)
        throw ESQLiteException(QStringLiteral("Could not initialize backup"));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    return rc;
}

int TSQLiteDatabase::Backup(TSQLiteDatabase& target) {
    return Backup(target, QStringLiteral("main"), QStringLiteral("main"));
}

void TSQLiteDatabase::BackupTo(const QString& fileName) {
    TSQLiteDatabase target(fileName);
    // The copy is a new file of its own: no journal is needed to keep it
    // whole, since a copy cut short is never given the backup's name.
    sqlite3_exec(target.fDB,
                 "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE;",
                 nullptr, nullptr, nullptr);
    const int rc = Backup(target);
    if (rc != SQLITE_DONE) {
        // The failing side's extended code: the source's (a file left
        // mid-save, a damaged file) or the target's (a full disk).
        int code = sqlite3_extended_errcode(fDB);
        if ((code & 0xFF) != (rc & 0xFF))
            code = sqlite3_extended_errcode(target.fDB);
        throw ESQLiteException(QStringLiteral("Backup to \"") + fileName +
                                   QStringLiteral("\" failed: ") +
                                   QString::fromUtf8(sqlite3_errstr(rc)),
                               (code & 0xFF) == (rc & 0xFF) ? code : rc);
    }
}

QString TSQLiteDatabase::Version() {
    return QString::fromUtf8(sqlite3_libversion());
}

void TSQLiteDatabase::ParamsClear() {
    fParams.clear();
}

void TSQLiteDatabase::AddParamInt(const QString& name, int64_t value) {
    TSQliteParam param{name, TSQliteParam::Integer, value, 0, {}};
    fParams.push_back(param);
}

void TSQLiteDatabase::AddParamFloat(const QString& name, double value) {
    fParams.push_back({name, TSQliteParam::Float, 0, value, {}});
}

void TSQLiteDatabase::AddParamText(const QString& name, const QString& value) {
    fParams.push_back({name, TSQliteParam::Text, 0, 0, value});
}

void TSQLiteDatabase::AddParamNull(const QString& name) {
    fParams.push_back({name, TSQliteParam::Null, 0, 0, {}});
}

TSQLiteQuery TSQLiteDatabase::PrepareSQL(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const int rc =
        sqlite3_prepare_v2(fDB, text.constData(), static_cast<int>(text.size()), &raw, nullptr);
    TSQLiteQuery query{sql, TSQLiteStatement(raw)};
    if (rc != SQLITE_OK)
        RaiseSQLiteError(QStringLiteral("Error executing SQL"), sql);
    if (!query.Statement)
        RaiseSQLiteError(QStringLiteral("Could not prepare SQL statement"), sql);
    if (fOnQuery)
        fOnQuery(*this, sql);
    return query;
}

void TSQLiteDatabase::BindSQL(TSQLiteQuery& query, int index, int64_t value) {
    if (!query.Statement)
        throw ESQLiteException(QStringLiteral("Could not bind integer to prepared SQL statement"));
    if (sqlite3_bind_int64(query.Statement.get(), index, value) != SQLITE_OK)
        RaiseSQLiteError(QStringLiteral("Could not bind integer"), query.SQL);
}

void TSQLiteDatabase::BindSQL(TSQLiteQuery& query, int index, const QString& value) {
    if (!query.Statement)
        throw ESQLiteException(QStringLiteral("Could not bind string to prepared SQL statement"));
    const QByteArray text = value.toUtf8();
    if (sqlite3_bind_text(query.Statement.get(), index, text.constData(),
                          static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        RaiseSQLiteError(QStringLiteral("Could not bind text"), query.SQL);
}

void TSQLiteDatabase::ReleaseSQL(TSQLiteQuery& query) {
    if (!query.Statement)
        throw ESQLiteException(QStringLiteral("Could not release prepared SQL statement"));
    query.Statement.reset();
}
