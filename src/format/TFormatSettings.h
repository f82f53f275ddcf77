#pragma once
#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

// A locale's number, currency, date and time formats, in the shape the whole
// system converts with. Names and symbols come from Qt's locale data; every
// conversion itself is done by the functions in Formatowanie.h.
struct TFormatSettings {
    QString CurrencyString;
    int CurrencyFormat = 3; // 0 "zł1", 1 "1zł", 2 "zł 1", 3 "1 zł"
    int NegCurrFormat = 8;  // 8 "-1 zł"; other values are read as 8
    QChar ThousandSeparator = QLatin1Char(' ');
    QChar DecimalSeparator = QLatin1Char(',');
    int CurrencyDecimals = 2;
    QChar DateSeparator = QLatin1Char('-');
    QChar TimeSeparator = QLatin1Char(':');
    QChar ListSeparator = QLatin1Char(';');
    QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");
    QString LongDateFormat = QStringLiteral("d MMMM yyyy");
    QString TimeAMString;
    QString TimePMString;
    QString ShortTimeFormat = QStringLiteral("hh:mm");
    QString LongTimeFormat = QStringLiteral("hh:mm:ss");
    QStringList ShortMonthNames; // 12 names, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames; // 7 names, Sunday first
    QStringList LongDayNames;
    int TwoDigitYearCenturyWindow = 0;

    // The formats of a locale as they stand (separators, patterns and names).
    static TFormatSettings FromLocale(const QLocale& locale);
};

// The module's formats, filled by UstawFormaty.
extern TFormatSettings UstawieniaFormatow;

// The process-wide formats that conversions without explicit settings use.
TFormatSettings& FormatyProcesu();

// The locale the formats start from: the system default locale, or Polish
// (Poland) when the system has only the C/POSIX locale. Tests pin it.
QLocale LokalizacjaBazowa();
QLocale LokalizacjaBazowaDla(const QLocale& system);
void UstawLokalizacjeBazowa(const QLocale& locale);

// Fills UstawieniaFormatow from the base locale with the module's overrides
// (decimal comma, blank thousands separator, "yyyy-MM-dd", "hh:mm", money as
// "1 234,56 zł") and copies the overridden fields into FormatyProcesu().
void UstawFormaty();
