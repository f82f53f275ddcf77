#pragma once
// Common text, number and date helpers. They keep no state and convert with
// the module's format settings.
#include "format/TTabDwuwymiarowa.h"
#include "platform/DateTimeUtils.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>

// An amount typed by the user or shown on a web page ("1 234,56 zł", "5,10%",
// "4.5"): both "." and "," are decimal separators, blanks and every character
// other than digits and "-" are dropped. Unreadable text gives 0.
double KwotaZTekstu(const QString& tekst);

// An amount typed into a money field ("1000,505"), rounded to the grosz half
// up from the digits as typed (1000,51), not from the nearest double: what a
// field shows after the user leaves it is exactly what is stored. Other text
// is read by KwotaZTekstu and rounded the same way.
double KwotaWGroszachZTekstu(const QString& tekst);

// A name typed by the user, cleaned before it is stored: leading blanks and
// control characters go, the characters ; \ / < > | * ? : " and control
// characters are dropped, and runs of blanks become one blank when the text
// had two blanks in a row.
QString OczyscTekst(const QString& tekst);

// The text without | ' " and ;.
QString UsunZnakiSpecjalne(const QString& tekst);

// True when the text holds nothing but characters up to U+0020.
bool JestPustyTekst(const QString& tekst);

// True for digits with an optional leading minus that fit a 32-bit signed integer.
bool JestLiczbaCalkowita(const QString& tekst);

// Rounds half to even to the power of ten 10^cyfra (-2: to cents), in extended
// precision. Throws std::invalid_argument when cyfra lies outside -20 .. 20.
double ZaokraglijDo(double wartosc, int8_t cyfra);

// "grudzień 2013": month name and year; empty for a moment no calendar holds.
QString MiesiacRokTekst(TDateTime data);

// The system's directory for temporary files, ending in the path separator
// when it exists.
QString KatalogTymczasowy();

// The non-empty texts of one column, row by row; rows without cells, and rows
// too short to have that column, give nothing. Duplicates stay.
QStringList KolumnaTablicy(const TTabDwuwymiarowa& tablica, int32_t kolumna);

// "1" or "0", as Booleans are stored.
QString BoolNaTekst(bool wartosc);
