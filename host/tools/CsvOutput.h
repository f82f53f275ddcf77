#pragma once
#include "format/TTabelaListy.h"

#include <QTextStream>

// Writes a list on a tool's output as the window's "Eksportuj…" writes it to a
// file (TPlikCSV, the byte order mark included), its texts made safe for a
// terminal as ConsoleField makes them.
void WriteCsv(QTextStream& out, TTabelaListy table);
