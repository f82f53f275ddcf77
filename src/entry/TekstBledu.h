#pragma once
#include <QString>
#include <exception>

// The message of an error as the user reads it: the Polish message of the
// data layer's errors, SQLite's message of the access layer's, else what().
QString TekstBledu(const std::exception& blad);
