#include "data/sqlite/TTransakcjaSQLite.h"

#include "data/sqlite/TSQLiteDatabase.h"

TTransakcjaSQLite::TTransakcjaSQLite(TSQLiteDatabase& baza) : fBaza(baza) {
    fBaza.BeginTransaction();
}

TTransakcjaSQLite::~TTransakcjaSQLite() {
    if (fZatwierdzona || !fBaza.IsTransactionOpen())
        return;
    try {
        fBaza.Rollback();
    } catch (...) {
        // The transaction stays open and the connection rolls it back when
        // it closes; the error that left the scope is the one to report.
    }
}

void TTransakcjaSQLite::Commit() {
    fBaza.Commit();
    fZatwierdzona = true;
}
