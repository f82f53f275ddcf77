#include "data/sqlite/TSQLiteTransaction.h"

#include "data/sqlite/TSQLiteDatabase.h"

TSQLiteTransaction::TSQLiteTransaction(TSQLiteDatabase& baza) : fBaza(baza) {
    fBaza.BeginTransaction();
}

TSQLiteTransaction::~TSQLiteTransaction() {
    if (fZatwierdzona || !fBaza.IsTransactionOpen())
        return;
    try {
        fBaza.Rollback();
    } catch (...) {
        // The transaction stays open and the connection rolls it back when
        // it closes; the error that left the scope is the one to report.
    }
}

void TSQLiteTransaction::Commit() {
    fBaza.Commit();
    fZatwierdzona = true;
}
