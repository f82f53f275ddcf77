#include "format/ICalendarWriter.h"

#include <QDate>
#include <QDateTime>

namespace {

constexpr int kMaxLineOctets = 75;

} // namespace

ICalendarWriter::ICalendarWriter(const QString& productId) {
    fBytes += FoldLine(QStringLiteral("BEGIN:VCALENDAR"));
    Property(QStringLiteral("VERSION"), QStringLiteral("2.0"));
    Property(QStringLiteral("PRODID"), productId);
    Property(QStringLiteral("CALSCALE"), QStringLiteral("GREGORIAN"));
    Property(QStringLiteral("METHOD"), QStringLiteral("PUBLISH"));
}

void ICalendarWriter::Begin(Component component) {
    fBytes += FoldLine(QStringLiteral("BEGIN:") + Name(component));
    fOpen.append(component);
}

void ICalendarWriter::End() {
    if (!fOpen.isEmpty())
        fBytes += FoldLine(QStringLiteral("END:") + Name(fOpen.takeLast()));
}

void ICalendarWriter::Property(const QString& name, const QString& value) {
    fBytes += FoldLine(name + QLatin1Char(':') + value);
}

void ICalendarWriter::Text(const QString& name, const QString& text) {
    Property(name, EscapeText(text));
}

void ICalendarWriter::Date(const QString& name, TDateTime day) {
    Property(name + QStringLiteral(";VALUE=DATE"),
             ToQDate(day).toString(QStringLiteral("yyyyMMdd")));
}

void ICalendarWriter::UtcTime(const QString& name, TDateTime at) {
    Property(name, ToQDateTime(at).toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
}

void ICalendarWriter::AllDay(TDateTime day) {
    Date(QStringLiteral("DTSTART"), day);
    Date(QStringLiteral("DTEND"), DateOf(day) + 1);
}

QByteArray ICalendarWriter::Bytes() const {
    QByteArray bytes = fBytes;
    for (qsizetype i = fOpen.size() - 1; i >= 0; --i)
        bytes += FoldLine(QStringLiteral("END:") + Name(fOpen[i]));
    bytes += FoldLine(QStringLiteral("END:VCALENDAR"));
    return bytes;
}

bool ICalendarWriter::CanWriteAllDay(TDateTime day) {
    const QDate date = ToQDate(day);
    return date.isValid() && date.year() >= 1 && date.addDays(1).year() <= 9999;
}

QString ICalendarWriter::EscapeText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\':
        case u';':
        case u',':
            escaped += QLatin1Char('\\');
            escaped += c;
            break;
        case u'\r':
            // CR LF is one line break; a lone CR is one too.
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                break;
            escaped += QStringLiteral("\\n");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        default:
            // The format forbids control characters other than the tab.
            escaped += (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F ? QChar(u' ') : c;
        }
    }
    return escaped;
}

QByteArray ICalendarWriter::FoldLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    // A continuation line starts with a blank, which counts in its 75 octets.
    int room = kMaxLineOctets;
    while (utf8.size() - start > room) {
        qsizetype end = start + room;
        // Never cut a character: step back from its continuation bytes.
        while ((static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end;
        folded += utf8.mid(start, end - start);
        folded += "\r\n ";
        start = end;
        room = kMaxLineOctets - 1;
    }
    folded += utf8.mid(start);
    folded += "\r\n";
    return folded;
}

QString ICalendarWriter::Name(Component component) {
    switch (component) {
    case Component::Event:
        return QStringLiteral("VEVENT");
    case Component::Alarm:
        return QStringLiteral("VALARM");
    }
    return {};
}
