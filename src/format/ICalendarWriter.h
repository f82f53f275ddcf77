#pragma once
#include "platform/DateTimeUtils.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// An iCalendar file (RFC 5545) written property by property. The calendar's
// opening lines come first; events and their alarms are opened and closed in
// nesting order, and Bytes() closes whatever is still open and the calendar.
// Every content line is UTF-8, folded at 75 octets and ended with CRLF; TEXT
// values are escaped, line breaks kept and other control characters replaced
// by blanks.
class ICalendarWriter {
public:
    enum class Component { Event, Alarm };

    // Opens the calendar (version 2.0, the Gregorian scale, published)
    // under the product identifier `productId`.
    explicit ICalendarWriter(const QString& productId);

    // BEGIN of a component inside the innermost open one.
    void Begin(Component component);
    // END of the innermost open component.
    void End();

    // A property whose value is written as given (it needs no escaping).
    void Property(const QString& name, const QString& value);
    // A TEXT property, escaped.
    void Text(const QString& name, const QString& text);
    // A DATE property: the day of `day` as YYYYMMDD.
    void Date(const QString& name, TDateTime day);
    // A DATE-TIME property in UTC (YYYYMMDDTHHMMSSZ) of the local time `at`.
    void UtcTime(const QString& name, TDateTime at);
    // The start and end of an all-day event on `day`: the end is the day
    // after, which the event no longer covers.
    void AllDay(TDateTime day);

    // The file's bytes: what has been written, then the END lines of the
    // components still open and of the calendar.
    QByteArray Bytes() const;

    // Whether an all-day event on `day` can be written: the day and the day
    // after have four-digit years.
    static bool CanWriteAllDay(TDateTime day);
    // A TEXT value with backslashes, semicolons, commas and line breaks escaped.
    static QString EscapeText(const QString& text);
    // One content line in UTF-8, folded so that no line exceeds 75 octets
    // (never inside a character), each line ended with CRLF.
    static QByteArray FoldLine(const QString& line);

private:
    static QString Name(Component component);

    QByteArray fBytes;
    QList<Component> fOpen;
};
