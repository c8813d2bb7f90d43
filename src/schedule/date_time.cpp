// OLE Automation dates: built from a local wall-clock time, broken down into the calendar, and
// written as the clock text.
#include <charconv>
#include <cmath>

#include "platform/platform.h"
#include "schedule/conversions.h"

namespace {

constexpr int kSecondsPerDay = 86400;
constexpr double kHalfSecond = 1.0 / (2.0 * kSecondsPerDay);
constexpr int kDaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
// Day number of 30 December 1899 in the count y×365 + leap days + days of the year.
constexpr long long kDayNumberOfDayZero = 693959;
// 1 January 1970, the epoch of the civil-date algorithm below, as a DateTime day.
constexpr long long kDayOfCivilEpoch = 25569;

// ⌊a / b⌋ for b > 0, also for negative years.
long long floorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

bool isLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

struct CivilDate {
    int year, month, day;
};

// Gregorian date of a count of days from 1 January 1970 (eras of 400 years, March-based years).
CivilDate civilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const long long month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

// The value the breakdown works on: inside the supported range, NaN taken as day 0.
double clampedForBreakdown(DateTime d) {
    if (std::isnan(d)) return 0.0;
    if (d > kLatestDateTime) return kLatestDateTime;
    if (d < kEarliestDateTime) return kEarliestDateTime;
    return d;
}

void appendNumber(Text& text, int n, std::string_view unit) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text.append(digits, end);
    text += unit;
}

}  // namespace

DateTime dateTimeFromLocalTime(const platform::LocalTime& time) {
    const long long year = time.year;
    // The system reports months 1..12; anything else is kept inside the table.
    const int month = time.month < 1 ? 1 : time.month > 12 ? 12 : time.month;
    long long days = year * 365 + floorDiv(year, 4) - floorDiv(year, 100) + floorDiv(year, 400) +
                     kDaysBeforeMonth[month - 1] + time.day - kDayNumberOfDayZero;
    if (isLeapYear(year) && month <= 2) --days;
    const double fraction =
        (time.hour * 3600.0 + time.minute * 60.0 + time.second) / kSecondsPerDay;
    const auto wholeDays = static_cast<double>(days);
    return days < 0 ? wholeDays - fraction : wholeDays + fraction;
}

CalendarParts breakDown(DateTime d) {
    const double v = clampedForBreakdown(d);
    const double w = v > 0 ? v + kHalfSecond : v - kHalfSecond;
    const double wholeDays = std::trunc(w);
    const double magnitude = std::fabs(w);
    // A fraction below 1 times 86400 rounds to below 86400, so the hour stays within 0..23.
    const int seconds = static_cast<int>((magnitude - std::trunc(magnitude)) * kSecondsPerDay);

    const CivilDate date = civilFromDays(static_cast<long long>(wholeDays) - kDayOfCivilEpoch);
    return {date.year, date.month, date.day, seconds / 3600, seconds / 60 % 60, seconds % 60};
}

int hourOf(DateTime d) { return breakDown(d).hour; }
int minuteOf(DateTime d) { return breakDown(d).minute; }
int secondOf(DateTime d) { return breakDown(d).second; }

Text dateTimeToText(DateTime d) {
    const CalendarParts parts = breakDown(d);
    Text text;
    appendNumber(text, parts.year, "年"_gbk);
    appendNumber(text, parts.month, "月"_gbk);
    appendNumber(text, parts.day, "日"_gbk);
    // The time is written down to its last part that is not zero; midnight adds nothing.
    if (parts.second != 0 || parts.minute != 0 || parts.hour != 0)
        appendNumber(text, parts.hour, "时"_gbk);
    if (parts.second != 0 || parts.minute != 0) appendNumber(text, parts.minute, "分"_gbk);
    if (parts.second != 0) appendNumber(text, parts.second, "秒"_gbk);
    return text;
}
