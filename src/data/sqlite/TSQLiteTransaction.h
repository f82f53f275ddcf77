#pragma once

class TSQLiteDatabase;

// A transaction begun through the connection for as long as this object
// lives: Commit ends it, and leaving the scope without a commit rolls it
// back. The rollback never throws, so an error that is on its way out of the
// scope is the one the caller sees, not a failure of the rollback.
class TSQLiteTransaction {
public:
    // Begins the transaction (ESQLiteException when one is already open).
    explicit TSQLiteTransaction(TSQLiteDatabase& baza);
    ~TSQLiteTransaction();
    TSQLiteTransaction(const TSQLiteTransaction&) = delete;
    TSQLiteTransaction& operator=(const TSQLiteTransaction&) = delete;

    void Commit();

private:
    TSQLiteDatabase& fBaza;
    bool fZatwierdzona = false;
};
