#pragma once
#include <QString>
#include <cstdint>

// What became of one batch of statements handed to the project's batch
// runner: all committed, not run at all (a transaction was already open on
// the connection), or failed and rolled back, so that it changed nothing.
struct TWynikPolecenSQL {
    enum class TStan : int8_t { Wykonano, Pominieto, Blad };

    TStan Stan = TStan::Wykonano;
    // The error of a failed batch, as the user is to read it (the caller
    // shows it).
    QString Blad;
    // SQLite's extended result code of that error; 0 when SQLite reported none.
    int KodSQLite = 0;

    bool Wykonano() const { return Stan == TStan::Wykonano; }
    explicit operator bool() const { return Wykonano(); }
};
