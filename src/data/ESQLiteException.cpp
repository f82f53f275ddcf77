#include "data/ESQLiteException.h"

ESQLiteException::ESQLiteException(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}
