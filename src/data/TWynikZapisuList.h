#pragma once
#include "data/TWynikPolecenSQL.h"

#include <QString>
#include <QStringList>

// What saving several lists in one transaction came to: the reports of the
// records left out, what became of the one batch and, when a statement
// failed, the caption of the list it belonged to (empty when the transaction
// itself could not begin or commit).
struct TWynikZapisuList {
    QStringList Raport;
    TWynikPolecenSQL Polecenia;
    QString NiezapisanaLista;
    bool Zapisano() const { return Polecenia.Wykonano(); }
};
