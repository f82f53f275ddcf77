#pragma once
#include "data/sqlite/TSQLiteQuery.h"
#include "data/sqlite/TSQLiteStatement.h"
#include "data/sqlite/TSQliteParam.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class TSQLiteTable;
class TSQLiteUniTable;

// One open connection to an SQLite file. Every database call of the system
// goes through this class and its two result classes. Statement texts are
// QString here and UTF-8 in the file. Failures raise ESQLiteException; a
// statement is always finalized and the pending named parameters are always
// discarded, whether the call succeeded or not.
class TSQLiteDatabase {
public:
    // Called with each statement's text just before it is bound and run.
    using THookQuery = std::function<void(TSQLiteDatabase& sender, const QString& sql)>;

    // Opens the file, creating it when missing. No busy timeout, no pragma
    // (but those of TSQLiteScratchCopy while one lives). A connection is used
    // by one thread at a time (the program shares none between threads), so
    // SQLite locks no mutex of its own around each call.
    explicit TSQLiteDatabase(const QString& fileName);
    // Opens an existing file only to read it: nothing is created, and the
    // file is never written (not even to finish a save that was cut short).
    enum class TTryb : int8_t { OdczytIZapis, TylkoOdczyt };
    TSQLiteDatabase(const QString& fileName, TTryb tryb);
    // Rolls back a transaction begun through BeginTransaction, then closes.
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    sqlite3* DB() const { return fDB; }

    // Runs the first statement of the text; it must return no row.
    void ExecSQL(const QString& sql);
    // Steps a prepared query once and resets it (nothing without a statement).
    void ExecSQL(TSQLiteQuery& query);
    // The whole result, read into memory; the caller owns it.
    std::unique_ptr<TSQLiteTable> GetTable(const QString& sql);
    // A forward-only result on a live statement, positioned on the first row.
    std::unique_ptr<TSQLiteUniTable> GetUniTable(const QString& sql);
    // First column of the first row: as an integer (0 without rows), as text
    // (empty without rows); and of every row, in order, into `value`.
    int64_t GetTableValue(const QString& sql);
    QString GetTableString(const QString& sql);
    void GetTableStrings(const QString& sql, QStringList& value);

    void BeginTransaction();
    void Commit();
    void Rollback();
    bool IsTransactionOpen() const { return fInTrans; }

    bool TableExists(const QString& tableName);
    int64_t GetLastInsertRowID() const;
    int64_t GetLastChangedRows() const;
    int RowsChanged() const;
    void SetTimeout(int milliseconds);
    bool Synchronised() const { return fSync; }
    void SetSynchronised(bool value);
    // Copies database `sourceName` of this connection into `targetName` of
    // `target` in one step; answers SQLite's result code of that step.
    int Backup(TSQLiteDatabase& target, const QString& targetName, const QString& sourceName);
    int Backup(TSQLiteDatabase& target);
    // A consistent copy of the main database into a new file (SQLite's online
    // backup: the copy is the state of one moment even while others write).
    // Raises ESQLiteException with SQLite's code when the copy fails.
    void BackupTo(const QString& fileName);
    static QString Version();

    // Named parameters bound to the next statement prepared, then discarded.
    void ParamsClear();
    void AddParamInt(const QString& name, int64_t value);
    void AddParamFloat(const QString& name, double value);
    void AddParamText(const QString& name, const QString& value);
    void AddParamNull(const QString& name);
    const std::vector<TSQliteParam>& PendingParams() const { return fParams; }

    // A statement kept to be run several times with values bound by position.
    TSQLiteQuery PrepareSQL(const QString& sql);
    void BindSQL(TSQLiteQuery& query, int index, int64_t value);
    void BindSQL(TSQLiteQuery& query, int index, const QString& value);
    void ReleaseSQL(TSQLiteQuery& query);

    const THookQuery& OnQuery() const { return fOnQuery; }
    void SetOnQuery(THookQuery hook) { fOnQuery = std::move(hook); }

    // Compiles the first statement of the text, calls OnQuery and binds the
    // pending parameters (used by the result classes too).
    TSQLiteStatement PrepareStatement(const QString& sql);
    // Raises `msg`, followed by the connection's last error code, its text,
    // the statement and SQLite's message when there is an error code.
    [[noreturn]] void RaiseSQLiteError(const QString& msg, const QString& sql) const;
    static QString ErrorCodeText(int code);

private:
    void BindPendingParams(sqlite3_stmt* statement, const QString& sql);

    sqlite3* fDB = nullptr;
    bool fInTrans = false;
    bool fSync = false;
    std::vector<TSQliteParam> fParams;
    THookQuery fOnQuery;
};
