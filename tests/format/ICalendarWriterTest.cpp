#include "format/ICalendarWriter.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

using Component = ICalendarWriter::Component;

QList<QByteArray> Lines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Undoes the folding: a line break followed by a blank joins the lines.
QByteArray Unfold(QByteArray text) {
    return text.replace("\r\n ", "");
}

TEST(ICalendarWriter, FoldsAt75OctetsWithoutCuttingACharacter) {
    const struct {
        QString line;
        int lineCount;
    } cases[] = {
        {QString(), 1},
        {QString(75, u'a'), 1},
        {QString(76, u'a'), 2},
        {QString(75 + 74, u'a'), 2},
        {QString(75 + 74 + 1, u'a'), 3},
        // Two-octet letters across the 75th octet: the letter moves whole.
        {QString(74, u'a') + QString(3, u'ż'), 2},
        {QString(40, u'ł'), 2},
        {QStringLiteral("SUMMARY:") + QString(100, u'€'), 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const QByteArray folded = ICalendarWriter::FoldLine(c.line);
        EXPECT_TRUE(folded.endsWith("\r\n"));
        const QList<QByteArray> lines = Lines(folded);
        EXPECT_EQ(lines.size(), c.lineCount);
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].endsWith('\r'));
            EXPECT_LE(lines[i].size() - 1, 75);
            EXPECT_EQ(i > 0, lines[i].startsWith(' '));
            // Each physical line is valid UTF-8 by itself.
            EXPECT_EQ(QString::fromUtf8(lines[i]).toUtf8(), lines[i]);
        }
        EXPECT_EQ(Unfold(folded), c.line.toUtf8() + "\r\n");
    }
}

TEST(ICalendarWriter, EscapesTextValues) {
    EXPECT_EQ(ICalendarWriter::EscapeText(QStringLiteral("a,b;c\\d\ne\r\nf: \"g\"")),
              QStringLiteral("a\\,b\\;c\\\\d\\ne\\nf: \"g\""));
    // A lone CR is a line break too; NUL, ESC, U+0001 and DEL, which the
    // format forbids, become blanks; the tab stays.
    const QString control = QStringLiteral("a\rb") + QChar(0) + "c" + QChar(0x1B) + "[2Jd" +
                            QChar(1) + "e" + QChar(0x7F) + "\tf";
    EXPECT_EQ(ICalendarWriter::EscapeText(control), QStringLiteral("a\\nb c [2Jd e \tf"));
}

// The calendar's frame, nesting and value forms, byte for byte; Bytes()
// closes what the writer left open, innermost first.
TEST(ICalendarWriter, WritesTheFrameTheComponentsAndTheValues) {
    ICalendarWriter writer(QStringLiteral("-//Test//Kalendarz//PL"));
    const QByteArray empty = "BEGIN:VCALENDAR\r\n"
                             "VERSION:2.0\r\n"
                             "PRODID:-//Test//Kalendarz//PL\r\n"
                             "CALSCALE:GREGORIAN\r\n"
                             "METHOD:PUBLISH\r\n"
                             "END:VCALENDAR\r\n";
    EXPECT_EQ(writer.Bytes(), empty);

    writer.Begin(Component::Event);
    writer.Property("UID", "a,b;c");
    writer.Text("SUMMARY", "a,b;c");
    writer.UtcTime("DTSTAMP", EncodeDateTime(2026, 3, 15, 10, 0, 5));
    writer.AllDay(EncodeDateTime(2026, 2, 28, 23, 59)); // the time of day is dropped
    writer.Date("RDATE", EncodeDate(2028, 2, 28));
    writer.AllDay(EncodeDate(2028, 2, 28)); // a leap year
    writer.AllDay(EncodeDate(2026, 12, 31));
    writer.Begin(Component::Alarm);
    writer.Property("TRIGGER", "-P3D");
    const QByteArray stamp = QDateTime(QDate(2026, 3, 15), QTime(10, 0, 5))
                                 .toUTC()
                                 .toString("yyyyMMdd'T'HHmmss'Z'")
                                 .toLatin1();
    const QByteArray body = "BEGIN:VEVENT\r\n"
                            "UID:a,b;c\r\n"
                            "SUMMARY:a\\,b\\;c\r\n"
                            "DTSTAMP:" +
                            stamp +
                            "\r\n"
                            "DTSTART;VALUE=DATE:20260228\r\n"
                            "DTEND;VALUE=DATE:20260301\r\n"
                            "RDATE;VALUE=DATE:20280228\r\n"
                            "DTSTART;VALUE=DATE:20280228\r\n"
                            "DTEND;VALUE=DATE:20280229\r\n"
                            "DTSTART;VALUE=DATE:20261231\r\n"
                            "DTEND;VALUE=DATE:20270101\r\n"
                            "BEGIN:VALARM\r\n"
                            "TRIGGER:-P3D\r\n";
    EXPECT_EQ(writer.Bytes(),
              empty.chopped(15) + body + "END:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    // Closed by hand, and a second event after the first; an End with
    // nothing open writes nothing.
    writer.End();
    writer.End();
    writer.End();
    writer.Begin(Component::Event);
    writer.Property("X-NAZWA", QString(70, u'x'));
    writer.End();
    EXPECT_EQ(writer.Bytes(), empty.chopped(15) + body +
                                  "END:VALARM\r\nEND:VEVENT\r\n"
                                  "BEGIN:VEVENT\r\n"
                                  "X-NAZWA:" +
                                  QByteArray(67, 'x') + "\r\n " + QByteArray(3, 'x') +
                                  "\r\n"
                                  "END:VEVENT\r\nEND:VCALENDAR\r\n");
}

TEST(ICalendarWriter, AllDayEventsNeedFourDigitYearsForTheDayAndTheDayAfter) {
    const struct {
        TDateTime day;
        bool writable;
    } cases[] = {
        {EncodeDate(1, 1, 1), true},      {EncodeDate(2026, 4, 30), true},
        {EncodeDate(9999, 12, 30), true}, {EncodeDate(9999, 12, 31), false},
        {EncodeDate(10000, 1, 1), false}, {EncodeDate(-1, 12, 31), false}, // the year before year 1
    };
    for (const auto& c : cases)
        EXPECT_EQ(ICalendarWriter::CanWriteAllDay(c.day), c.writable)
            << ToQDate(c.day).toString(Qt::ISODate).toStdString();
}

} // namespace
