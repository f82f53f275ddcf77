#pragma once
#include <QString>
#include <exception>

// Messages keep the "\r" line breaks of the message boxes; on a console each
// becomes a new line. Every other control character (ESC, BEL, DEL, the C1
// range), which would act on the terminal instead of being shown (clear it,
// set its title), becomes U+FFFD.
QString ConsoleText(QString text);
// A table cell: one line, so line breaks and tabs become U+FFFD too.
QString ConsoleCell(QString text);
// A CSV field: its line breaks ("\r" too) and tabs are kept, the field being
// quoted; every other control character becomes U+FFFD.
QString ConsoleField(QString text);
// The text of any error (TekstBledu) as a console shows it.
QString ConsoleErrorText(const std::exception& error);
