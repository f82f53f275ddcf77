#pragma once
#include "data/TWynikPolecenSQL.h"

#include <QList>
#include <exception>

// The data layer shows no message box: a batch of statements that failed is
// handed back, and its owner tells the user here, in the error box
// ("BŁĄD !!!", error icon, OK) with the error's text. A batch that ran, or
// was skipped because a transaction was open, shows nothing.
void PokazBledyPolecen(const TWynikPolecenSQL& wynik);
// The failed batches a database project kept (TProjektDB::WezBledyPolecen),
// one box each, in the order they failed.
void PokazBledyPolecen(const QList<TWynikPolecenSQL>& bledy);
// Those a failed start-up hands over in its error (EDataError), to be shown
// before the error itself; nothing for any other error.
void PokazBledyPolecen(const std::exception& blad);
