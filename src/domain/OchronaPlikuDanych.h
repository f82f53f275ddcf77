#pragma once
#include <QString>

// Why an export must not be written to `cel`, or an empty text when it may:
// never over the open data file (the same file after resolving links, or the
// same device and inode) and never over any existing SQLite database, whose
// first 16 bytes are SQLite's header. `plikDanych` may be empty (no data file
// open).
QString OdmowaZapisuEksportu(const QString& cel, const QString& plikDanych);
