// Correct rounding of textToNumber: known hard values, exact midpoints between neighbouring
// doubles, and agreement with the standard library's correctly rounded from_chars.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "schedule/conversions.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Compares bit patterns, so that a neighbouring double or a zero of the wrong sign fails.
::testing::AssertionResult sameDouble(double actual, double expected) {
    if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hexfloat << "got " << actual << ", expected " << expected;
}

std::string repeated(char c, std::size_t count) { return std::string(count, c); }

struct HardCase {
    const char* what;
    std::string text;
    double expected;
};

const HardCase kHardCases[] = {
    {"0.1", "0.1", 0x1.999999999999ap-4},
    {"largest subnormal, famous for hanging parsers", "2.2250738585072011e-308",
     0x0.fffffffffffffp-1022},
    {"smallest normal", "2.2250738585072014e-308", 0x1p-1022},
    {"smallest subnormal", "4.9e-324", 0x0.0000000000001p-1022},
    {"just below half the smallest subnormal", "2.4703282292062327e-324", 0.0},
    {"just above half the smallest subnormal", "2.4703282292062328e-324",
     0x0.0000000000001p-1022},
    {"largest double", "1.7976931348623157e308", 0x1.fffffffffffffp+1023},
    {"rounds up past the largest double", "1.7976931348623159e308", kInfinity},
    {"just below the overflow midpoint", "1.7976931348623158e308", 0x1.fffffffffffffp+1023},
    {"2^53 + 1 ties to even below", "9007199254740993", 0x1p+53},
    {"2^53 + 3 ties to even above", "9007199254740995", 0x1.0000000000002p+53},
    {"2^53 + 1 and a far tail rounds up", "9007199254740993." + repeated('0', 900) + "1",
     0x1.0000000000001p+53},
    {"a 400-digit mantissa", "0." + repeated('3', 400), 0x1.5555555555555p-2},
    {"400 digits of 9 round to the next power of ten", repeated('9', 400) + "e-400", 1.0},
    {"leading zeros offset by the exponent", "0." + repeated('0', 500) + "1e502", 10.0},
    {"trailing zeros offset by the exponent", "1" + repeated('0', 500) + "e-500", 1.0},
    {"integer part far beyond the largest double", "1" + repeated('0', 400), kInfinity},
    {"an exponent of 25 digits", "1e" + repeated('9', 25), kInfinity},
    {"a negative exponent of 25 digits", "1e-" + repeated('9', 25), 0.0},
    {"an exponent that wraps to 1 in 64 bits", "1e18446744073709551617", kInfinity},
    {"a negative exponent that wraps to -1 in 64 bits", "1e-18446744073709551617", 0.0},
    {"a 25-digit exponent with leading zeros",
     "0." + repeated('0', 30) + "5e" + "0000000000000000000000031", 5.0},
    {"negative zero keeps its sign", "-0", -0.0},
    {"negative underflow keeps its sign", "-1e-400", -0.0},
    {"negative value", "-2.5", -2.5},
    {"exponent with a sign and the D letter", "125d-2", 1.25},
};

TEST(TextToNumberRounding, GivesTheKnownNearestDoubles) {
    for (const auto& row : kHardCases)
        EXPECT_TRUE(sameDouble(textToNumber(row.text), row.expected)) << row.what;
}

// ---- Exact midpoints -----------------------------------------------------------------------

// Decimal digits of a non-negative integer, most significant first, built by small products.
class DecimalDigits {
public:
    explicit DecimalDigits(std::uint64_t value) {
        do {
            reversed_.push_back(static_cast<int>(value % 10));
            value /= 10;
        } while (value != 0);
    }
    void multiplyBy(int factor) {
        int carry = 0;
        for (auto& digit : reversed_) {
            const int product = digit * factor + carry;
            digit = product % 10;
            carry = product / 10;
        }
        for (; carry != 0; carry /= 10) reversed_.push_back(carry % 10);
    }
    std::string text() const {
        std::string out;
        for (auto it = reversed_.rbegin(); it != reversed_.rend(); ++it)
            out += static_cast<char>('0' + *it);
        return out;
    }

private:
    std::vector<int> reversed_;
};

// oddMultiple × 2^binaryExponent written exactly as "digits" × 10^decimalExponent.
struct ExactDecimal {
    std::string digits;
    int decimalExponent;
};

ExactDecimal exactDecimal(std::uint64_t oddMultiple, int binaryExponent) {
    DecimalDigits digits(oddMultiple);
    const int factor = binaryExponent < 0 ? 5 : 2;  // 2^-k = 5^k × 10^-k
    for (int i = 0; i < std::abs(binaryExponent); ++i) digits.multiplyBy(factor);
    return {digits.text(), binaryExponent < 0 ? binaryExponent : 0};
}

std::string decremented(std::string digits) {
    std::size_t i = digits.size();
    while (digits[--i] == '0') digits[i] = '9';
    --digits[i];
    return digits;
}

// x = units × 2^exponent with the units of its last place.
void unitsOf(double x, std::uint64_t& units, int& exponent) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    units = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    exponent = biased == 0 ? -1074 : biased - 1075;
}

void expectMidpointRounding(double below) {
    const double above = std::nextafter(below, kInfinity);
    std::uint64_t units = 0;
    int exponent = 0;
    unitsOf(below, units, exponent);
    const ExactDecimal mid = exactDecimal(2 * units + 1, exponent - 1);
    const std::string tail(900, '0');  // pushes the deciding digit past any digit limit
    const auto text = [](const std::string& digits, int decimalExponent) {
        return digits + "e" + std::to_string(decimalExponent);
    };
    const int tailExponent = mid.decimalExponent - static_cast<int>(tail.size()) - 1;

    SCOPED_TRACE(::testing::Message() << std::hexfloat << "between " << below << " and " << above);
    const double even = units % 2 == 0 ? below : above;
    EXPECT_TRUE(sameDouble(textToNumber(text(mid.digits, mid.decimalExponent)), even)) << "tie";
    EXPECT_TRUE(sameDouble(textToNumber(text(mid.digits + tail + "1", tailExponent)), above))
        << "just above the midpoint";
    EXPECT_TRUE(sameDouble(
        textToNumber(text(decremented(mid.digits) + std::string(tail.size() + 1, '9'),
                          tailExponent)),
        below))
        << "just below the midpoint";
}

TEST(TextToNumberRounding, DecidesMidpointsBetweenNeighboursExactly) {
    const double landmarks[] = {0.0,
                                0x0.0000000000001p-1022,
                                0x0.0000000000002p-1022,
                                0x0.fffffffffffffp-1022,
                                0x1p-1022,
                                0.1,
                                1.0,
                                0x1.fffffffffffffp+52,
                                0x1p+53,
                                1e22,
                                1e23,
                                0x1.ffffffffffffep+1023,
                                0x1.fffffffffffffp+1023};
    for (const double x : landmarks) expectMidpointRounding(x);

    std::mt19937_64 random(20240305);
    for (int i = 0; i < 200; ++i) {
        const std::uint64_t bits = random() & 0x7FEF'FFFF'FFFF'FFFFull;  // finite, positive
        expectMidpointRounding(std::bit_cast<double>(bits));
    }
}

// ---- Agreement with from_chars -------------------------------------------------------------

std::string randomDecimal(std::mt19937_64& random) {
    std::uniform_int_distribution<int> digit(0, 9);
    const int lengthKind = static_cast<int>(random() % 4);
    const std::size_t length = lengthKind == 0 ? 1 + random() % 3
                             : lengthKind == 1 ? 15 + random() % 5
                             : lengthKind == 2 ? 1 + random() % 40
                                               : 760 + random() % 40;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + digit(random));
    if (random() % 2 == 0) text.insert(random() % (length + 1), ".");
    const int exponent = static_cast<int>(random() % 700) - 360;
    return text + "e" + std::to_string(exponent);
}

TEST(TextToNumberRounding, AgreesWithFromCharsOnRandomDecimals) {
    std::mt19937_64 random(1899123);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = randomDecimal(random);
        double expected = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (error == std::errc::result_out_of_range) continue;  // from_chars leaves no value
        ASSERT_EQ(end, text.data() + text.size()) << text;
        EXPECT_TRUE(sameDouble(textToNumber(text), expected)) << text;
    }
}

}  // namespace
