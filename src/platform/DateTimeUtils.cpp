#include "platform/DateTimeUtils.h"

#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);

// Splits a moment into whole days and milliseconds of the day, carrying a
// rounding that reaches the next midnight into the day count.
void SplitMoment(TDateTime value, int64_t& days, int64_t& msOfDay) {
    days = static_cast<int64_t>(std::floor(value));
    msOfDay = std::llround((value - static_cast<double>(days)) * kMillisecondsPerDay);
    if (msOfDay >= static_cast<int64_t>(kMillisecondsPerDay)) {
        ++days;
        msOfDay = 0;
    }
}

} // namespace

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<double>(kEpoch.daysTo(QDate(year, month, day)));
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMillisecondsPerDay;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, millisecond);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    ToQDate(value).getDate(&year, &month, &day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
    int64_t days = 0, ms = 0;
    SplitMoment(value, days, ms);
    millisecond = static_cast<int>(ms % 1000);
    second = static_cast<int>(ms / 1000 % 60);
    minute = static_cast<int>(ms / 60000 % 60);
    hour = static_cast<int>(ms / 3600000);
}

int YearOf(TDateTime value) {
    return ToQDate(value).year();
}
int MonthOf(TDateTime value) {
    return ToQDate(value).month();
}
int DayOf(TDateTime value) {
    return ToQDate(value).day();
}

TDateTime DateOf(TDateTime value) {
    int64_t days = 0, ms = 0;
    SplitMoment(value, days, ms);
    return static_cast<double>(days);
}

TDateTime TimeOf(TDateTime value) {
    return value - DateOf(value);
}

TDateTime IncMonth(TDateTime value, int months) {
    // QDate::addMonths keeps the day or falls back to the month's last day.
    const QDate shifted = ToQDate(value).addMonths(months);
    return FromQDate(shifted) + (value - std::floor(value));
}

int CompareDateTime(TDateTime a, TDateTime b) {
    if (std::fabs(a - b) < kOneMillisecond)
        return 0;
    return a < b ? -1 : 1;
}

bool SameDateTime(TDateTime a, TDateTime b) {
    return CompareDateTime(a, b) == 0;
}

int64_t DaysBetween(TDateTime a, TDateTime b) {
    // A half millisecond forgives the representation error of whole days.
    return static_cast<int64_t>(std::trunc(std::fabs(a - b) + 0.5 * kOneMillisecond));
}

QDate ToQDate(TDateTime value) {
    int64_t days = 0, ms = 0;
    SplitMoment(value, days, ms);
    return kEpoch.addDays(days);
}

QDateTime ToQDateTime(TDateTime value) {
    int64_t days = 0, ms = 0;
    SplitMoment(value, days, ms);
    return QDateTime(kEpoch.addDays(days), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

TDateTime FromQDate(QDate value) {
    return static_cast<double>(kEpoch.daysTo(value));
}

TDateTime FromQDateTime(const QDateTime& value) {
    return FromQDate(value.date()) + value.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}
