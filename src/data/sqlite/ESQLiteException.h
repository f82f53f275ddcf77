#pragma once
#include "platform/EMessageError.h"

// The error of the SQLite access layer: an English message that carries
// SQLite's error code, its text and the statement, and the codes themselves,
// so that callers choose what to do by the code, never by the text. Both
// codes are 0 for a failure that SQLite did not report (a misuse of the
// layer, a missing column in a result).
class ESQLiteException : public EMessageError {
public:
    explicit ESQLiteException(const QString& message, int extendedCode = 0);

    // SQLite's primary result code (SQLITE_BUSY, SQLITE_CORRUPT, ...).
    int Code() const { return fExtendedCode & 0xFF; }
    // The extended result code (SQLITE_READONLY_DBMOVED, SQLITE_IOERR_WRITE, ...).
    int ExtendedCode() const { return fExtendedCode; }
    // Another connection held the file longer than this one would wait.
    bool Busy() const;

private:
    int fExtendedCode;
};
