// textToInteger and textToNumber beyond the listed edge cases: white space, signs, wrap-around
// and the end of the number; integerToText over the whole range.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "schedule/conversions.h"

namespace {

struct IntegerCase {
    std::string text;
    std::int32_t expected;
};

TEST(TextToInteger, ReadsTheLeadingDigitsOnly) {
    const IntegerCase cases[] = {
        {"\t\n\v\f\r 9", 9},
        {"\xA1\xA1\xA1\xA1-\xA3\xB3" "4", -34},  // full-width sign and digits mixed with ASCII
        {"--5", 0},
        {"+-5", 0},
        {"-0", 0},
        {"007", 7},
        {"12 34", 12},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483649", 2147483647},
        {"99999999999", 1215752191},  // 99999999999 mod 2^32
        {"\xB0" "5", 0},  // a lead byte takes the digit as its trail byte
        {"5\xA3", 5},
    };
    for (const auto& row : cases) EXPECT_EQ(textToInteger(row.text), row.expected) << row.text;
}

struct NumberCase {
    std::string text;
    double expected;
};

TEST(TextToNumber, TakesTheLongestNumberAtTheStart) {
    const NumberCase cases[] = {
        {" \t-12.5", -12.5},
        {"\xA1\xA1\xA3\xAD\xA3\xB2\xA3\xC5\xA3\xB2", -200},  // full-width -2E2
        {".", 0},
        {"-.", 0},
        {".e5", 0},
        {"- 5", 0},
        {"5 ", 5},
        {"1.5e2x", 150},
        {"1.5e-2", 0.015},
        {"1e-+2", 1},
        {"1e2.5", 100},
        {"1d", 1},
        {"2E+", 2},
        {"0.000", 0},
        {"12.", 12},
        {"7 e2", 7},
    };
    for (const auto& row : cases) EXPECT_EQ(textToNumber(row.text), row.expected) << row.text;
}

TEST(IntegerToText, WritesPlainDecimal) {
    EXPECT_EQ(integerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(integerToText(7), "7");
    EXPECT_EQ(integerToText(-10), "-10");
}

TEST(IntegerToText, RoundTripsThroughTextToInteger) {
    for (std::int64_t n = std::numeric_limits<std::int32_t>::min();
         n <= std::numeric_limits<std::int32_t>::max(); n += 65537) {
        const auto value = static_cast<std::int32_t>(n);
        EXPECT_EQ(textToInteger(integerToText(value)), value);
    }
}

}  // namespace
