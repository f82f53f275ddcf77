#pragma once
#include <QString>
#include <exception>

// The message of any error as the user reads it: the message of the data
// layer's and the SQLite layer's errors, else what() read as UTF-8.
QString TekstBledu(const std::exception& blad);
