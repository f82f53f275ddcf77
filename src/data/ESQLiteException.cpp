#include "data/ESQLiteException.h"

ESQLiteException::ESQLiteException(const QString& message, int kodRozszerzony)
    : EBladZKomunikatem(message), fKodRozszerzony(kodRozszerzony) {}
