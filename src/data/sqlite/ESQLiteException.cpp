#include "data/sqlite/ESQLiteException.h"

#include <sqlite3.h>

ESQLiteException::ESQLiteException(const QString& message, int extendedCode)
    : EMessageError(message), fExtendedCode(extendedCode) {}

bool ESQLiteException::Busy() const {
    return Code() == SQLITE_BUSY || Code() == SQLITE_LOCKED;
}
