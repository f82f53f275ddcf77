#include "format/Formatowanie.h"

#include "platform/Clock.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Increments a string of decimal digits by one, growing it on a final carry.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| as an integer part and a fraction of `decimals` digits, rounded half
// away from zero on its 18 significant decimal digits. Both parts are views
// into `digits`, which holds them side by side.
struct FixedParts {
    std::string digits;
    std::string_view whole, fraction;
};

void FixedDigits(double value, int decimals, FixedParts& parts) {
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 17);
    *written.ptr = '\0';
    char mantissa[18];
    mantissa[0] = buffer[0];
    std::memcpy(mantissa + 1, buffer + 2, 17);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    // |value| * 10^decimals == mantissa * 10^shift
    const int shift = exponent - 17 + decimals;
    // Short enough to stay in the string's own buffer for everyday values.
    std::string& scaled = parts.digits;
    if (shift >= 0) {
        scaled.assign(mantissa, 18);
        scaled.append(static_cast<size_t>(shift), '0');
    } else if (-shift <= 18) {
        const size_t kept = 18 + shift;
        scaled.assign(mantissa, kept);
        if (scaled.empty())
            scaled = "0";
        if (mantissa[kept] >= '5')
            IncrementDigits(scaled);
    } else {
        scaled = "0";
    }
    if (scaled.size() < static_cast<size_t>(decimals) + 1)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    const std::string_view all(scaled);
    const size_t point = all.size() - static_cast<size_t>(decimals);
    parts.fraction = all.substr(point);
    const size_t firstDigit = all.substr(0, point).find_first_not_of('0');
    parts.whole = firstDigit == std::string_view::npos ? std::string_view("0")
                                                       : all.substr(firstDigit, point - firstDigit);
}

bool IsZero(const FixedParts& parts) {
    return parts.whole == "0" && parts.fraction.find_first_not_of('0') == std::string_view::npos;
}

QString Group(std::string_view whole, QChar separator) {
    QString grouped;
    const int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += QLatin1Char(whole[i]);
    }
    return grouped;
}

// Appends the sign, the whole part, the separator and the fraction.
template <class Whole>
void AppendDecimal(QString& text, bool negative, const Whole& whole, std::string_view fraction,
                   QChar separator) {
    if (negative)
        text.append(QLatin1Char('-'));
    text.append(whole);
    if (!fraction.empty())
        text.append(separator).append(
            QLatin1StringView(fraction.data(), static_cast<qsizetype>(fraction.size())));
}

void AppendFixed(QString& text, double value, int decimals, const TFormatSettings& fs) {
    if (!std::isfinite(value)) {
        text.append(NonFiniteText(value));
        return;
    }
    FixedParts parts;
    FixedDigits(value, decimals, parts);
    const QLatin1StringView whole(parts.whole.data(), static_cast<qsizetype>(parts.whole.size()));
    AppendDecimal(text, value < 0 && !IsZero(parts), whole, parts.fraction, fs.DecimalSeparator);
}

QString PlaceCurrency(const QString& amount, const TFormatSettings& fs) {
    switch (fs.CurrencyFormat) {
    case 0:
        return fs.CurrencyString + amount;
    case 1:
        return amount + fs.CurrencyString;
    case 2:
        return fs.CurrencyString + QLatin1Char(' ') + amount;
    default:
        return amount + QLatin1Char(' ') + fs.CurrencyString;
    }
}

QString Padded(int value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// Reads an unsigned decimal number at `pos`, moving past it.
bool ReadNumber(const QString& text, int& pos, int& value, int maxDigits = 9) {
    const int start = pos;
    value = 0;
    while (pos < text.size() && text[pos].isDigit() && pos - start < maxDigits)
        value = value * 10 + text[pos++].digitValue();
    return pos > start;
}

bool ReadTime(const QString& text, const TFormatSettings& fs, TDateTime& time) {
    int pos = 0, hour = 0, minute = 0, second = 0, ms = 0;
    if (!ReadNumber(text, pos, hour) || pos >= text.size() || text[pos++] != fs.TimeSeparator ||
        !ReadNumber(text, pos, minute))
        return false;
    if (pos < text.size() && text[pos] == fs.TimeSeparator) {
        ++pos;
        if (!ReadNumber(text, pos, second))
            return false;
        if (pos < text.size() &&
            (text[pos] == QLatin1Char('.') || text[pos] == fs.DecimalSeparator)) {
            ++pos;
            if (!ReadNumber(text, pos, ms, 3))
                return false;
        }
    }
    if (pos != text.size() || hour > 23 || minute > 59 || second > 59)
        return false;
    time = EncodeTime(hour, minute, second, ms);
    return true;
}

// The order of year, month and day in a short date pattern, as letters.
QString DateOrder(const QString& pattern) {
    QString order;
    for (QChar c : pattern) {
        const QChar lower = c.toLower();
        if ((lower == 'y' || lower == 'm' || lower == 'd') && !order.contains(lower))
            order += lower;
    }
    return order.size() == 3 ? order : QStringLiteral("ymd");
}

bool ReadDate(const QString& text, const TFormatSettings& fs, TDateTime& date) {
    const QStringList parts = text.split(fs.DateSeparator);
    if (parts.size() != 3)
        return false;
    const QString order = DateOrder(fs.ShortDateFormat);
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < 3; ++i) {
        int pos = 0, value = 0;
        if (!ReadNumber(parts[i], pos, value) || pos != parts[i].size())
            return false;
        int& target = order[i] == 'y' ? year : order[i] == 'm' ? month : day;
        target = value;
        if (order[i] == 'y' && parts[i].size() <= 2)
            year = YearOf(Now()) / 100 * 100 + value;
    }
    if (!QDate::isValid(year, month, day))
        return false;
    date = EncodeDate(year, month, day);
    return true;
}

} // namespace

QString NonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("nieokreślona");
    return value < 0 ? QStringLiteral("-nieskończoność") : QStringLiteral("nieskończoność");
}

QString FormatMoney(double value, const TFormatSettings& fs) {
    return FormatMoney(value, fs.CurrencyDecimals, fs);
}

QString FormatMoney(double value, int decimals, const TFormatSettings& fs) {
    if (!std::isfinite(value))
        return PlaceCurrency(NonFiniteText(value), fs);
    FixedParts parts;
    FixedDigits(value, decimals, parts);
    QString amount;
    AppendDecimal(amount, false, Group(parts.whole, fs.ThousandSeparator), parts.fraction,
                  fs.DecimalSeparator);
    const bool negative = value < 0 && !IsZero(parts);
    return (negative ? QStringLiteral("-") : QString()) + PlaceCurrency(amount, fs);
}

QString FormatFixed(double value, int decimals, const TFormatSettings& fs) {
    QString text;
    AppendFixed(text, value, decimals, fs);
    return text;
}

QString FormatPercent(double value, const TFormatSettings& fs) {
    QString text;
    AppendFixed(text, value, 2, fs);
    text.append(QLatin1Char('%'));
    return text;
}

QString FloatToStr(double value, const TFormatSettings& fs) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString text = QString::fromLatin1(buffer);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        const int exponent = text.mid(e + 1).toInt();
        text = text.left(e) + QLatin1Char('E') + QString::number(exponent);
    }
    text.replace(QLatin1Char('.'), fs.DecimalSeparator);
    return text;
}

QString IntToStr(int64_t value) {
    return QString::number(value);
}

bool TryStrToFloat(const QString& text, double& value, const TFormatSettings& fs) {
    const QString trimmed = text.trimmed();
    std::string ascii;
    bool digits = false, point = false, exponent = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        const bool afterExponentMark = !ascii.empty() && (ascii.back() == 'e');
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
            ascii += static_cast<char>(c.unicode());
        } else if ((c == '+' || c == '-') && (i == 0 || afterExponentMark)) {
            ascii += static_cast<char>(c.unicode());
        } else if (c == fs.DecimalSeparator && !point && !exponent) {
            point = true;
            ascii += '.';
        } else if ((c == 'e' || c == 'E') && digits && !exponent) {
            exponent = true;
            ascii += 'e';
        } else {
            return false;
        }
    }
    if (!digits || ascii.back() == 'e' || ascii.back() == '+' || ascii.back() == '-')
        return false;
    const char* begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double parsed = 0;
    const auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), parsed);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return false;
    value = parsed;
    return true;
}

QString FormatDateTime(const QString& format, TDateTime value, const TFormatSettings& fs) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, ms);
    QString out;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        int run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == '"' || c == '\'') {
            const int close = format.indexOf(c, i + 1);
            const int stop = close < 0 ? format.size() : close;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const char letter = c.unicode() < 128 ? static_cast<char>(c.unicode()) : 0;
        switch (letter) {
        case 'y':
            out += run <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
            break;
        case 'M':
            out += run >= 4   ? fs.LongMonthNames.value(month - 1)
                   : run == 3 ? fs.ShortMonthNames.value(month - 1)
                              : Padded(month, run);
            break;
        case 'd':
            out += Padded(day, std::min(run, 2));
            break;
        case 'h':
            out += Padded(hour, std::min(run, 2));
            break;
        case 'm':
            out += Padded(minute, std::min(run, 2));
            break;
        case 's':
            out += Padded(second, std::min(run, 2));
            break;
        case 'z':
            out += Padded(ms, 3);
            break;
        case '-':
            out += QString(run, fs.DateSeparator);
            break;
        case ':':
            out += QString(run, fs.TimeSeparator);
            break;
        default:
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}

bool TryStrToDateTime(const QString& text, TDateTime& value, const TFormatSettings& fs) {
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    TDateTime date = 0, time = 0;
    if (parts.size() == 1) {
        if (ReadDate(parts[0], fs, date)) {
            value = date;
            return true;
        }
        if (ReadTime(parts[0], fs, time)) {
            value = time;
            return true;
        }
        return false;
    }
    if (parts.size() != 2 || !ReadDate(parts[0], fs, date) || !ReadTime(parts[1], fs, time))
        return false;
    value = date + time;
    return true;
}
