#include "platform/DateTimeUtils.h"

#include <gtest/gtest.h>

TEST(DateTimeUtilsTest, CalendarMonthAdditionKeepsTimeAndClampsDay) {
    EXPECT_EQ(IncMonth(EncodeDate(2013, 1, 31), 3), EncodeDate(2013, 4, 30));
    EXPECT_EQ(IncMonth(EncodeDate(2012, 2, 29), 12), EncodeDate(2013, 2, 28));
    EXPECT_TRUE(SameDateTime(IncMonth(EncodeDateTime(2013, 1, 15, 10, 30), 1),
                             EncodeDateTime(2013, 2, 15, 10, 30)));
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
}

TEST(DateTimeUtilsTest, MomentsWithinAMillisecondAreEqualAndDaysTruncate) {
    const TDateTime a = EncodeDate(2020, 1, 1);
    EXPECT_EQ(CompareDateTime(a, a + 0.4 * kOneMillisecond), 0);
    EXPECT_EQ(CompareDateTime(a, a + 2 * kOneMillisecond), -1);
    EXPECT_EQ(CompareDateTime(a + 1, a), 1);
    EXPECT_EQ(DaysBetween(a, a + 10.6), 10);
    EXPECT_EQ(DaysBetween(a + 3.2, a), 3);
}
