#include "data/sqlite/ESQLiteException.h"

#include <sqlite3.h>

ESQLiteException::ESQLiteException(const QString& message, int kodRozszerzony)
    : EMessageError(message), fKodRozszerzony(kodRozszerzony) {}

bool ESQLiteException::Zajety() const {
    return Kod() == SQLITE_BUSY || Kod() == SQLITE_LOCKED;
}
