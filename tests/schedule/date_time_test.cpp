// Date-times: the day count of a local time, the calendar breakdown with its clamp and its
// rounding to the second, and the clock text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/platform.h"
#include "schedule/conversions.h"

namespace {

constexpr double kSecond = 1.0 / 86400;

std::string shown(const CalendarParts& p) {
    return std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day) +
           " " + std::to_string(p.hour) + ":" + std::to_string(p.minute) + ":" +
           std::to_string(p.second);
}

std::string shown(const platform::LocalTime& t) {
    return shown(CalendarParts{t.year, t.month, t.day, t.hour, t.minute, t.second});
}

bool sameTime(const CalendarParts& p, const platform::LocalTime& t) {
    return p.year == t.year && p.month == t.month && p.day == t.day && p.hour == t.hour &&
           p.minute == t.minute && p.second == t.second;
}

struct DayCase {
    platform::LocalTime time;
    DateTime expected;
};

TEST(DateTimeFromLocalTime, CountsDaysFromTheEndOf1899) {
    const DayCase cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1899, 12, 30, 6, 0, 0}, 0.25},
        {{1900, 1, 1, 0, 0, 0}, 2.0},
        {{1900, 3, 1, 0, 0, 0}, 61.0},  // 1900 has no 29 February
        {{2000, 3, 1, 0, 0, 0}, 36586.0},  // 2000 has one
        {{2000, 1, 1, 12, 0, 0}, 36526.5},
        {{2024, 3, 5, 18, 0, 0}, 45356.75},
        {{1899, 12, 29, 6, 0, 0}, -1.25},  // before day 0 the time of day is subtracted
        {{1800, 1, 1, 12, 0, 0}, -36522.5},
        {{100, 1, 1, 0, 0, 0}, kEarliestDateTime},
        {{9999, 12, 31, 0, 0, 0}, kLatestDateTime},
    };
    for (const auto& row : cases)
        EXPECT_EQ(dateTimeFromLocalTime(row.time), row.expected) << shown(row.time);
}

// A calendar of its own, one day at a time, against the day count and its breakdown.
TEST(DateTimeFromLocalTime, AgreesWithBreakDownOnEveryDayOfTheRange) {
    const auto daysIn = [](int year, int month) {
        constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 2 && leap ? 29 : kLengths[month - 1];
    };
    platform::LocalTime date{100, 1, 1, 0, 0, 0};
    for (long day = -657434; day <= 2958465; ++day) {
        const DateTime d = dateTimeFromLocalTime(date);
        ASSERT_EQ(d, static_cast<double>(day)) << shown(date);
        const CalendarParts parts = breakDown(d);
        ASSERT_TRUE(sameTime(parts, date)) << shown(parts) << " for day " << day;
        if (++date.day > daysIn(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
}

TEST(BreakDown, GivesBackEverySecondOfADay) {
    const platform::LocalTime days[] = {
        {1899, 12, 30, 0, 0, 0}, {1899, 12, 29, 0, 0, 0}, {1800, 1, 1, 0, 0, 0},
        {100, 1, 2, 0, 0, 0},    {2024, 3, 5, 0, 0, 0},   {9999, 12, 30, 0, 0, 0},
    };
    for (const auto& day : days) {
        for (int s = 0; s < 86400; ++s) {
            platform::LocalTime time = day;
            time.hour = s / 3600;
            time.minute = s / 60 % 60;
            time.second = s % 60;
            const DateTime d = dateTimeFromLocalTime(time);
            const CalendarParts parts = breakDown(d);
            ASSERT_TRUE(sameTime(parts, time)) << shown(parts) << " for " << shown(time);
            ASSERT_EQ(hourOf(d), time.hour) << shown(time);
            ASSERT_EQ(minuteOf(d), time.minute) << shown(time);
            ASSERT_EQ(secondOf(d), time.second) << shown(time);
        }
    }
}

TEST(BreakDown, RoundsToTheNearestSecond) {
    const DateTime noon = 45356.5;
    EXPECT_EQ(shown(breakDown(noon + 0.4 * kSecond)), "2024-3-5 12:0:0");
    EXPECT_EQ(shown(breakDown(noon + 0.6 * kSecond)), "2024-3-5 12:0:1");
    EXPECT_EQ(shown(breakDown(noon - 0.4 * kSecond)), "2024-3-5 12:0:0");
    EXPECT_EQ(shown(breakDown(noon - 0.6 * kSecond)), "2024-3-5 11:59:59");
    EXPECT_EQ(shown(breakDown(45357 - 0.4 * kSecond)), "2024-3-6 0:0:0");  // into the next day
    // Before day 0 the rounding goes away from zero, as the time of day counts backwards.
    EXPECT_EQ(shown(breakDown(-1.25 - 0.4 * kSecond)), "1899-12-29 6:0:0");
    EXPECT_EQ(shown(breakDown(-1.25 - 0.6 * kSecond)), "1899-12-29 6:0:1");
    EXPECT_EQ(shown(breakDown(-0.4 * kSecond)), "1899-12-30 0:0:0");
}

// Where rounding to the second crosses a midnight the fraction of the day is nearly 1: the
// breakdown must give the last second of one day or the first of the other, never a 24th hour.
TEST(BreakDown, CrossesMidnightCleanly) {
    const struct {
        DateTime midnight;
        const char* before;  // nearer to zero than the crossing
        const char* after;
    } cases[] = {
        {1.0, "1899-12-30 23:59:59", "1899-12-31 0:0:0"},
        {45357.0, "2024-3-5 23:59:59", "2024-3-6 0:0:0"},
        {kLatestDateTime, "9999-12-30 23:59:59", "9999-12-31 0:0:0"},
        // Before day 0 the time of day grows away from zero: -1.99 is late on 29 December.
        {-1.0, "1899-12-30 23:59:59", "1899-12-29 0:0:0"},
        {-2.0, "1899-12-29 23:59:59", "1899-12-28 0:0:0"},
        {-36522.0, "1800-1-2 23:59:59", "1800-1-1 0:0:0"},
    };
    constexpr int kUlpsEachSide = 2000;
    for (const auto& row : cases) {
        const DateTime crossing = row.midnight - std::copysign(kSecond / 2, row.midnight);
        DateTime d = crossing;
        for (int i = 0; i < kUlpsEachSide; ++i) d = std::nextafter(d, 0.0);
        bool sawBefore = false, sawAfter = false;
        for (int i = 0; i < 2 * kUlpsEachSide; ++i, d = std::nextafter(d, row.midnight)) {
            const std::string parts = shown(breakDown(d));
            sawBefore = sawBefore || parts == row.before;
            sawAfter = sawAfter || parts == row.after;
            ASSERT_TRUE(parts == row.before || parts == row.after)
                << std::hexfloat << d << " gives " << parts;
        }
        EXPECT_TRUE(sawBefore && sawAfter) << "the steps miss the crossing at " << row.midnight;
    }
}

TEST(BreakDown, ClampsToTheEndsOfTheRange) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        DateTime value;
        const char* expected;
    } cases[] = {
        {"the earliest", kEarliestDateTime, "100-1-1 0:0:0"},
        {"a second before the earliest", kEarliestDateTime - kSecond, "100-1-1 0:0:0"},
        {"far before", -1e300, "100-1-1 0:0:0"},
        {"minus infinity", -kInfinity, "100-1-1 0:0:0"},
        {"the latest", kLatestDateTime, "9999-12-31 0:0:0"},
        {"the last second of the latest day", kLatestDateTime + 86399 * kSecond,
         "9999-12-31 0:0:0"},
        {"a second before the latest", kLatestDateTime - kSecond, "9999-12-30 23:59:59"},
        {"far after", 1e300, "9999-12-31 0:0:0"},
        {"infinity", kInfinity, "9999-12-31 0:0:0"},
        {"not a number, taken as day 0", std::nan(""), "1899-12-30 0:0:0"},
    };
    for (const auto& row : cases) EXPECT_EQ(shown(breakDown(row.value)), row.expected) << row.what;
}

struct TextCase {
    platform::LocalTime time;
    std::string_view expected;
};

TEST(DateTimeToText, DropsTheTrailingZeroPartsOfTheTime) {
    const TextCase cases[] = {
        {{2024, 3, 5, 14, 7, 9}, "2024年3月5日14时7分9秒"_gbk},
        {{2024, 3, 5, 14, 7, 0}, "2024年3月5日14时7分"_gbk},
        {{2024, 3, 5, 14, 0, 0}, "2024年3月5日14时"_gbk},
        {{2024, 3, 5, 0, 0, 0}, "2024年3月5日"_gbk},
        {{2024, 3, 5, 0, 0, 5}, "2024年3月5日0时0分5秒"_gbk},
        {{2024, 3, 5, 9, 0, 30}, "2024年3月5日9时0分30秒"_gbk},
        {{2024, 12, 31, 23, 59, 59}, "2024年12月31日23时59分59秒"_gbk},
        {{1899, 12, 29, 6, 0, 0}, "1899年12月29日6时"_gbk},
        {{1800, 1, 1, 12, 34, 56}, "1800年1月1日12时34分56秒"_gbk},
        {{100, 1, 1, 0, 0, 0}, "100年1月1日"_gbk},
        {{100, 1, 1, 0, 0, 1}, "100年1月1日"_gbk},  // before the earliest: clamped
        {{9999, 12, 31, 0, 0, 0}, "9999年12月31日"_gbk},
        {{9999, 12, 31, 23, 59, 59}, "9999年12月31日"_gbk},  // after the latest: clamped
        {{9999, 12, 30, 23, 59, 59}, "9999年12月30日23时59分59秒"_gbk},
    };
    for (const auto& row : cases)
        EXPECT_EQ(dateTimeToText(dateTimeFromLocalTime(row.time)), row.expected) << shown(row.time);
}

TEST(DateTimeToText, TheLongestTextIs26Bytes) {
    EXPECT_EQ(dateTimeToText(dateTimeFromLocalTime({9999, 12, 30, 23, 59, 59})).size(), 26u);
}

}  // namespace
