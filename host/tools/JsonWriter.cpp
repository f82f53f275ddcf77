#include "tools/JsonWriter.h"

#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"

#include <charconv>
#include <cmath>

QString JsonWriter::Number(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("null");
    const double size = std::fabs(value);
    const bool plain = size == 0 || (size >= 1e-6 && size < 1e21);
    // Fixed notation below 1e21 takes at most 21 digits before the point and
    // 17 significant digits after six zeros behind it.
    char buffer[64];
    const auto result =
        plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString JsonWriter::Money(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("null");
    TFormatSettings dot;
    dot.DecimalSeparator = QLatin1Char('.');
    QString text = FormatFixed(value, 2, dot);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString JsonWriter::Quote(QStringView value) {
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted += u'"';
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'"':
            quoted += u"\\\"";
            break;
        case u'\\':
            quoted += u"\\\\";
            break;
        case u'\n':
            quoted += u"\\n";
            break;
        case u'\r':
            quoted += u"\\r";
            break;
        case u'\t':
            quoted += u"\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    quoted += u'"';
    return quoted;
}

void JsonWriter::beforeValue() {
    if (fAfterKey) {
        fAfterKey = false;
        return;
    }
    if (!fHasItems.empty()) {
        if (fHasItems.back())
            fText += u',';
        fHasItems.back() = true;
    }
}

JsonWriter& JsonWriter::open(QChar bracket) {
    beforeValue();
    fText += bracket;
    fHasItems.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::close(QChar bracket) {
    fText += bracket;
    if (!fHasItems.empty())
        fHasItems.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    return open(u'{');
}
JsonWriter& JsonWriter::endObject() {
    return close(u'}');
}
JsonWriter& JsonWriter::beginArray() {
    return open(u'[');
}
JsonWriter& JsonWriter::endArray() {
    return close(u']');
}

JsonWriter& JsonWriter::key(QStringView name) {
    beforeValue();
    fText += Quote(name);
    fText += u':';
    fAfterKey = true;
    return *this;
}

JsonWriter& JsonWriter::number(double value) {
    beforeValue();
    fText += Number(value);
    return *this;
}

JsonWriter& JsonWriter::money(double value) {
    beforeValue();
    fText += Money(value);
    return *this;
}

JsonWriter& JsonWriter::integer(int64_t value) {
    beforeValue();
    fText += QString::number(value);
    return *this;
}

JsonWriter& JsonWriter::string(QStringView value) {
    beforeValue();
    fText += Quote(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    fText += value ? QStringLiteral("true") : QStringLiteral("false");
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    fText += QStringLiteral("null");
    return *this;
}
