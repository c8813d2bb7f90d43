// The listed edge cases of the conversions, one row each, all in one table.
#include <gtest/gtest.h>

#include <charconv>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "schedule/conversions.h"

namespace {

std::string shown(std::int32_t n) { return std::to_string(n); }

std::string shown(double x) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

std::string clockOf(const platform::LocalTime& time) {
    const DateTime d = dateTimeFromLocalTime(time);
    return shown(hourOf(d)) + ":" + shown(minuteOf(d)) + ":" + shown(secondOf(d));
}

struct EdgeCase {
    const char* call;
    std::function<std::string()> result;
    std::string expected;
};

const EdgeCase kEdgeCases[] = {
    {"textToInteger of the empty text", [] { return shown(textToInteger("")); }, "0"},
    {"textToInteger of a missing text", [] { return shown(textToInteger({})); }, "0"},
    {"textToInteger of 42abc", [] { return shown(textToInteger("42abc")); }, "42"},
    {"textToInteger of 42 after two spaces", [] { return shown(textToInteger("  42")); }, "42"},
    {"textToInteger of +42", [] { return shown(textToInteger("+42")); }, "42"},
    {"textToInteger of -7", [] { return shown(textToInteger("-7")); }, "-7"},
    {"textToInteger of 12.9", [] { return shown(textToInteger("12.9")); }, "12"},
    {"textToInteger of 1e3", [] { return shown(textToInteger("1e3")); }, "1"},
    {"textToInteger of 0x1F", [] { return shown(textToInteger("0x1F")); }, "0"},
    {"textToInteger of abc", [] { return shown(textToInteger("abc")); }, "0"},
    {"textToInteger of - 5", [] { return shown(textToInteger("- 5")); }, "0"},
    {"textToInteger of + 5", [] { return shown(textToInteger("+ 5")); }, "0"},
    {"textToInteger of fullwidth 12", [] { return shown(textToInteger("\xA3\xB1\xA3\xB2")); },
     "12"},
    {"textToInteger of 5 after an ideographic space",
     [] { return shown(textToInteger("\xA1\xA1" "5")); }, "5"},
    {"textToInteger of 2147483648", [] { return shown(textToInteger("2147483648")); },
     "-2147483648"},
    {"textToInteger of 4294967297", [] { return shown(textToInteger("4294967297")); }, "1"},

    {"textToNumber of the empty text", [] { return shown(textToNumber("")); }, "0"},
    {"textToNumber of abc", [] { return shown(textToNumber("abc")); }, "0"},
    {"textToNumber of inf", [] { return shown(textToNumber("inf")); }, "0"},
    {"textToNumber of 0x10", [] { return shown(textToNumber("0x10")); }, "0"},
    {"textToNumber of 08", [] { return shown(textToNumber("08")); }, "8"},
    {"textToNumber of .5", [] { return shown(textToNumber(".5")); }, "0.5"},
    {"textToNumber of 0.5", [] { return shown(textToNumber("0.5")); }, "0.5"},
    {"textToNumber of +.5", [] { return shown(textToNumber("+.5")); }, "0.5"},
    {"textToNumber of 5.", [] { return shown(textToNumber("5.")); }, "5"},
    {"textToNumber of 1e3", [] { return shown(textToNumber("1e3")); }, "1000"},
    {"textToNumber of 1E3", [] { return shown(textToNumber("1E3")); }, "1000"},
    {"textToNumber of 1d3", [] { return shown(textToNumber("1d3")); }, "1000"},
    {"textToNumber of 1D+3", [] { return shown(textToNumber("1D+3")); }, "1000"},
    {"textToNumber of 1e", [] { return shown(textToNumber("1e")); }, "1"},
    {"textToNumber of 1e+", [] { return shown(textToNumber("1e+")); }, "1"},
    {"textToNumber of 1ex", [] { return shown(textToNumber("1ex")); }, "1"},
    {"textToNumber of 1,5", [] { return shown(textToNumber("1,5")); }, "1"},
    {"textToNumber of 1.2.3", [] { return shown(textToNumber("1.2.3")); }, "1.2"},
    {"textToNumber of fullwidth 1.5",
     [] { return shown(textToNumber("\xA3\xB1\xA3\xAE\xA3\xB5")); }, "1.5"},
    {"textToNumber of 1e400", [] { return shown(textToNumber("1e400")); }, "inf"},
    {"textToNumber of -1e400", [] { return shown(textToNumber("-1e400")); }, "-inf"},
    {"textToNumber of 1e-400", [] { return shown(textToNumber("1e-400")); }, "0"},

    {"integerToText of 0", [] { return integerToText(0); }, "0"},
    {"integerToText of -5", [] { return integerToText(-5); }, "-5"},
    {"integerToText of 2147483647", [] { return integerToText(2147483647); }, "2147483647"},

    {"hour, minute, second of a local time at 23:59:59",
     [] { return clockOf({2024, 3, 5, 23, 59, 59}); }, "23:59:59"},
    {"hour, minute, second of a local time at 00:00:00",
     [] { return clockOf({2024, 3, 5, 0, 0, 0}); }, "0:0:0"},

    {"compareText of a missing text and the empty text",
     [] { return shown(compareText({}, "")); }, "0"},
    {"compareText of 10 and 10 followed by a space",
     [] { return shown(compareText("10", "10 ")); }, "-1"},

    {"concatTexts of seven parts of which three are missing",
     [] { return concatTexts({"a", {}, "bc", {}, "d", {}, "ef"}); }, "abcdef"},
};

TEST(ConversionEdgeCases, EveryRowGivesItsResult) {
    for (const auto& row : kEdgeCases) EXPECT_EQ(row.result(), row.expected) << row.call;
}

}  // namespace
