#pragma once
// Conversions of numbers, money and dates to and from text, always with an
// explicit or the process-wide TFormatSettings. No widget or SQL builder
// formats a number by itself.
#include "format/TFormatSettings.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// Money, "%m" / "%.Nm": "1 234,56 zł", a negative amount "-1 234,56 zł".
// Without decimals given, the settings' currency decimals are used.
QString FormatMoney(double value, const TFormatSettings& fs = FormatyProcesu());
QString FormatMoney(double value, int decimals, const TFormatSettings& fs = FormatyProcesu());

// Fixed, "%.Nf": N decimals, the decimal separator, no thousands ("1234,50").
QString FormatFixed(double value, int decimals = 2, const TFormatSettings& fs = FormatyProcesu());

// "%.2f%%": a rate with two decimals and a percent sign ("4,50%").
QString FormatPercent(double value, const TFormatSettings& fs = FormatyProcesu());

// General format with 15 significant digits ("1234,5", "1E20", "1,5E-5").
QString FloatToStr(double value, const TFormatSettings& fs = FormatyProcesu());

// "%d".
QString IntToStr(int64_t value);

// Reads a number written with the settings' decimal separator: optional
// sign, digits, optional exponent, surrounding blanks allowed; no grouping.
bool TryStrToFloat(const QString& text, double& value,
                   const TFormatSettings& fs = FormatyProcesu());

// Date-time to text with the pattern letters yyyy yy MMMM MMM MM M dd d hh h
// mm m ss s zzz ('M' month, 'm' minute); other characters are copied, text in
// quotes is literal. "-" and ":" in a pattern are the settings' separators.
QString FormatDateTime(const QString& format, TDateTime value,
                       const TFormatSettings& fs = FormatyProcesu());

// Reads "date", "date time" or "time" written with the settings' short date
// order and separators; the time may carry seconds and milliseconds.
bool TryStrToDateTime(const QString& text, TDateTime& value,
                      const TFormatSettings& fs = FormatyProcesu());

// The text shown for a value that is not a finite number.
QString NonFiniteText(double value);
