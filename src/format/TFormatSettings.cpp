#include "format/TFormatSettings.h"

#include <optional>

namespace {

std::optional<QLocale> gBaseOverride;

QStringList Names(const QLocale& locale, int count,
                  QString (QLocale::*name)(int, QLocale::FormatType) const,
                  QLocale::FormatType type, int first = 1) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << (locale.*name)(first + i, type);
    return names;
}

QStringList DayNames(const QLocale& locale, QLocale::FormatType type) {
    // Sunday first, as the day-of-week numbering of the date formats.
    QStringList names{locale.standaloneDayName(7, type)};
    for (int day = 1; day <= 6; ++day)
        names << locale.standaloneDayName(day, type);
    return names;
}

void CopyOverrides(const TFormatSettings& from, TFormatSettings& to) {
    to.DateSeparator = from.DateSeparator;
    to.DecimalSeparator = from.DecimalSeparator;
    to.TimeSeparator = from.TimeSeparator;
    to.CurrencyFormat = from.CurrencyFormat;
    to.NegCurrFormat = from.NegCurrFormat;
    to.ThousandSeparator = from.ThousandSeparator;
    to.ListSeparator = from.ListSeparator;
    to.TimeAMString = from.TimeAMString;
    to.TimePMString = from.TimePMString;
    to.ShortDateFormat = from.ShortDateFormat;
    to.LongDateFormat = from.LongDateFormat;
    to.CurrencyDecimals = from.CurrencyDecimals;
    to.ShortTimeFormat = from.ShortTimeFormat;
    to.LongTimeFormat = from.LongTimeFormat;
    to.TwoDigitYearCenturyWindow = from.TwoDigitYearCenturyWindow;
}

} // namespace

TFormatSettings UstawieniaFormatow = TFormatSettings::FromLocale(LokalizacjaBazowa());

TFormatSettings& FormatyProcesu() {
    static TFormatSettings settings = TFormatSettings::FromLocale(LokalizacjaBazowa());
    return settings;
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& locale) {
    TFormatSettings fs;
    fs.CurrencyString = locale.currencySymbol(QLocale::CurrencySymbol);
    fs.ThousandSeparator =
        locale.groupSeparator().isEmpty() ? QChar(' ') : locale.groupSeparator()[0];
    fs.DecimalSeparator = locale.decimalPoint().isEmpty() ? QChar('.') : locale.decimalPoint()[0];
    fs.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    fs.LongDateFormat = locale.dateFormat(QLocale::LongFormat);
    fs.ShortTimeFormat = locale.timeFormat(QLocale::ShortFormat);
    fs.LongTimeFormat = locale.timeFormat(QLocale::LongFormat);
    fs.TimeAMString = locale.amText();
    fs.TimePMString = locale.pmText();
    fs.ShortMonthNames = Names(locale, 12, &QLocale::standaloneMonthName, QLocale::ShortFormat);
    fs.LongMonthNames = Names(locale, 12, &QLocale::standaloneMonthName, QLocale::LongFormat);
    fs.ShortDayNames = DayNames(locale, QLocale::ShortFormat);
    fs.LongDayNames = DayNames(locale, QLocale::LongFormat);
    return fs;
}

QLocale LokalizacjaBazowa() {
    if (gBaseOverride)
        return *gBaseOverride;
    return LokalizacjaBazowaDla(QLocale::system());
}

QLocale LokalizacjaBazowaDla(const QLocale& system) {
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Polish, QLocale::Poland);
    return system;
}

void UstawLokalizacjeBazowa(const QLocale& locale) {
    gBaseOverride = locale;
    FormatyProcesu() = TFormatSettings::FromLocale(locale);
}

void UstawFormaty() {
    TFormatSettings fs = TFormatSettings::FromLocale(LokalizacjaBazowa());
    const TFormatSettings overrides; // the defaults of the struct are the module's values
    CopyOverrides(overrides, fs);
    UstawieniaFormatow = fs;
    CopyOverrides(overrides, FormatyProcesu());
}
