#pragma once
#include "data/TWynikPolecenSQL.h"

#include <QList>
#include <QString>
#include <memory>

class TProjektDB;

// The data layer shows no message box: a batch of statements that failed is
// handed back, and its owner tells the user here, in the error box
// ("BŁĄD !!!", error icon, OK) with the error's text. A batch that ran, or
// was skipped because a transaction was open, shows nothing.
void PokazBledyPolecen(const TWynikPolecenSQL& wynik);
// The failed batches a database project kept (TProjektDB::WezBledyPolecen),
// one box each, in the order they failed.
void PokazBledyPolecen(const QList<TWynikPolecenSQL>& bledy);

// Opens the data file (the project's start-up) and shows the batches its
// start-up kept. A start-up that fails raises its error again after showing
// the batches that failed before it (EDataError::BledyPolecen), while the
// caller still holds the file, as they happened; the caller shows the error.
std::unique_ptr<TProjektDB> OtworzProjektDB(const QString& plik);
