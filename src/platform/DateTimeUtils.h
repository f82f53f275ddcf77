#pragma once
// Date-time values as the household data uses them: a double counting days
// since 1899-12-30, the fraction being the time of day (local time).
#include <QDateTime>
#include <cstdint>

using TDateTime = double;

// Days from 1899-12-30 to 1970-01-01.
inline constexpr double kUnixEpochAsDateTime = 25569.0;
inline constexpr double kMillisecondsPerDay = 86400000.0;
inline constexpr double kOneMillisecond = 1.0 / kMillisecondsPerDay;

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second = 0, int millisecond = 0);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second = 0,
                         int millisecond = 0);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
int YearOf(TDateTime value);
int MonthOf(TDateTime value);
int DayOf(TDateTime value);

// The date part (midnight of that day) and the time part of a moment.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);

// Calendar addition of months: the same day n months later, or the last day
// of that month when it is shorter; the time of day stays.
TDateTime IncMonth(TDateTime value, int months);

// Moments that differ by less than one millisecond are equal: -1, 0 or 1.
int CompareDateTime(TDateTime a, TDateTime b);
bool SameDateTime(TDateTime a, TDateTime b);

// Whole days between two moments: the absolute difference, truncated.
int64_t DaysBetween(TDateTime a, TDateTime b);

QDateTime ToQDateTime(TDateTime value);
QDate ToQDate(TDateTime value);
TDateTime FromQDateTime(const QDateTime& value);
TDateTime FromQDate(QDate value);
