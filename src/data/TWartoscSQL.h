#pragma once
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// The SQL text of the values that the savers write into their statements.
// Values are written into the statement text itself, never bound, so every
// text goes through Tekst: it loses the characters | ' " and ; and those that
// cannot be stored, and is put in single quotes, which keeps it a plain
// string literal whatever it holds. A value that could not be read back as
// it was written is refused with EDataError, so a saved file always loads.
class TWartoscSQL {
public:
    // Decimal digits, "-" for negatives.
    static QString Liczba(int64_t wartosc);
    // Rounded half to even to cents, up to 15 significant digits, a decimal
    // point: 1234.567 -> 1234.57, 1500 -> 1500. An amount that is not a
    // finite number, or whose text would read as infinity, raises EDataError.
    static QString Kwota(double wartosc);
    // '2013-05-14 17:45': the short date and time of UstawieniaFormatow. A
    // moment outside 0001-01-01 .. 9999-12-31 raises EDataError.
    static QString Data(TDateTime wartosc);
    // 1 or 0.
    static QString Flaga(bool wartosc);
    // The text without | ' " and ;, without NUL and lone surrogates, in
    // single quotes.
    static QString Tekst(const QString& tekst);
    // NULL for an empty text, otherwise Tekst.
    static QString TekstLubNull(const QString& tekst);
    // NULL for a text of nothing but blanks and control characters.
    static QString TekstLubNullGdyPusty(const QString& tekst);
    static QString Null();
};
