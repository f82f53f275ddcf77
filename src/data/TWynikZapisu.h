#pragma once
#include "data/TWynikPolecenSQL.h"

#include <QStringList>

// What saving one list of the collections came to: the report of the records
// left out, and what became of the batch of statements.
struct TWynikZapisu {
    // The header line and the refusal lines; empty when nothing was refused.
    QStringList Raport;
    // The batch: Wykonano also when there was nothing to write; Pominieto
    // when a transaction was already open; Blad when a statement failed and
    // the batch was rolled back. Only after Wykonano is everything that was
    // not refused in the database.
    TWynikPolecenSQL Polecenia;

    bool Zapisano() const { return Polecenia.Wykonano(); }
};
