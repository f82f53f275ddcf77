#include "JsonWriter.h"

#include <charconv>
#include <cmath>

QString JsonWriter::Number(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
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
