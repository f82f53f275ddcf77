#pragma once
#include <QString>
#include <exception>

// Messages keep the "\r" line breaks of the message boxes; on a console each
// becomes a new line.
QString ConsoleText(QString tekst);
// The text of any error (TekstBledu) as a console shows it.
QString ConsoleErrorText(const std::exception& blad);
