// The conversions between the texts shown in controls and the program's integers, numbers and
// date-times, plus the few text operations the handlers need. None of them fails: a text that
// does not begin with a number gives 0, and a missing text is the empty one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/text.h"

namespace platform {
struct LocalTime;
}

// ---- Texts to numbers and back ------------------------------------------------------------

// Full-width digits, signs and letters (and the ideographic space, tilde and stars) become
// their ASCII bytes; every other two-byte character is kept as it is.
Text foldFullWidth(std::string_view t);

// Leading decimal digits after white space and one optional sign; wraps around in 32 bits.
std::int32_t textToInteger(std::string_view t);

// The nearest double to the leading decimal number (point, exponent E/e/D/d); ±infinity when
// beyond range, 0 when too small.
double textToNumber(std::string_view t);

// "%d".
Text integerToText(std::int32_t n);

// ---- Date and time --------------------------------------------------------------------------

// An OLE Automation date: days from 30 December 1899, the time of day as the fraction (for days
// before that date, days − fraction).
using DateTime = double;

inline constexpr DateTime kEarliestDateTime = -657434.0;  // 1 January 100, 00:00:00
inline constexpr DateTime kLatestDateTime = 2958465.0;    // 31 December 9999, 00:00:00

// The local wall-clock time, to the whole second.
DateTime currentDateTime();

DateTime dateTimeFromLocalTime(const platform::LocalTime& time);

struct CalendarParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Clamps d into [kEarliestDateTime, kLatestDateTime] (NaN counts as 0) and rounds it to the
// nearest second before splitting it up.
CalendarParts breakDown(DateTime d);

int hourOf(DateTime d);
int minuteOf(DateTime d);
int secondOf(DateTime d);

// "2024年3月5日14时7分9秒", dropping the trailing zero parts of the time.
Text dateTimeToText(DateTime d);

// ---- Text operations ------------------------------------------------------------------------

// −1, 0 or 1 by unsigned byte values; a text that begins the other is the smaller.
int compareText(std::string_view a, std::string_view b);

// Bytes.
std::int32_t textLength(std::string_view t);

// A new text of the parts in order; ends the program through fatalError when no storage can be
// had for it.
Text concatTexts(std::initializer_list<std::string_view> parts);

// The fatal-error message for a failed request of that many bytes.
Text allocationFailureMessage(std::size_t bytes);
