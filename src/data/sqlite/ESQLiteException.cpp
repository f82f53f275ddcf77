#include "data/sqlite/ESQLiteException.h"

ESQLiteException::ESQLiteException(const QString& message, int kodRozszerzony)
    : EMessageError(message), fKodRozszerzony(kodRozszerzony) {}
