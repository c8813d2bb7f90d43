// Exact decimal to binary conversion: the decimal value is turned into a quotient of two big
// integers times a power of two, and the 53-bit quotient with its remainder decides the rounding.
// No shortcut can round wrongly, whatever the number of digits.
#include "schedule/decimal_to_double.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "schedule/big_unsigned.h"

namespace {

// Every double and every midpoint between two doubles has at most 767 significant decimal
// digits, so digits beyond these can only tip the rounding through being non-zero at all.
constexpr std::size_t kSignificantDigitsKept = 768;

// Decimal exponents with no possible finite non-zero result; saturating there keeps the
// arithmetic on exponents free of overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000'000;
constexpr std::int64_t kDecimalExponentOfOverflow = 309;    // 10^309 > largest double
constexpr std::int64_t kDecimalExponentOfUnderflow = -324;  // 10^-324 < half the smallest

constexpr int kMantissaBits = 53;
constexpr std::int64_t kSmallestUnitExponent = -1074;  // the smallest subnormal is 2^-1074
constexpr std::int64_t kBinaryExponentOfOverflow = 1024;

// The value as digits × 10^exponent, with no leading or trailing zero digits.
struct DecimalSignificand {
    std::string digits;
    std::int64_t exponent = 0;
};

DecimalSignificand significandOf(std::string_view mantissa, std::int64_t exponent) {
    DecimalSignificand result;
    result.digits.reserve(std::min(mantissa.size(), kSignificantDigitsKept + 1));
    std::int64_t shift = std::clamp(exponent, -kExponentLimit, kExponentLimit);
    bool afterPoint = false;
    bool droppedNonZero = false;
    for (const char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (afterPoint) --shift;
        if (result.digits.empty() && c == '0') continue;
        if (result.digits.size() < kSignificantDigitsKept) {
            result.digits += c;
        } else {
            ++shift;
            droppedNonZero = droppedNonZero || c != '0';
        }
    }
    // One more digit of 1 stands for everything dropped: it lies strictly between the same
    // two candidates as the true value.
    if (droppedNonZero) {
        result.digits += '1';
        --shift;
    }
    while (!result.digits.empty() && result.digits.back() == '0') {
        result.digits.pop_back();
        ++shift;
    }
    result.exponent = shift;
    return result;
}

// floor(log2(numerator / denominator)) for non-zero values.
std::int64_t floorLog2OfQuotient(const BigUnsigned& numerator, const BigUnsigned& denominator) {
    const std::int64_t estimate = numerator.bitLength() - denominator.bitLength();
    BigUnsigned scaledNumerator = numerator;
    BigUnsigned scaledDenominator = denominator;
    if (estimate >= 0) scaledDenominator.shiftLeft(estimate);
    else scaledNumerator.shiftLeft(-estimate);
    return compare(scaledNumerator, scaledDenominator) >= 0 ? estimate : estimate - 1;
}

// The quotient, known to be below 2^53, rounded to the nearest integer, ties to even.
std::uint64_t roundedQuotient(BigUnsigned numerator, BigUnsigned denominator) {
    std::uint64_t quotient = 0;
    BigUnsigned step = denominator;
    step.shiftLeft(kMantissaBits - 1);
    for (int bit = kMantissaBits - 1; bit >= 0; --bit) {
        if (compare(numerator, step) >= 0) {
            numerator.subtract(step);
            quotient |= std::uint64_t{1} << bit;
        }
        step.shiftRightOne();
    }
    numerator.shiftLeft(1);  // twice the remainder, against the denominator
    const int half = compare(numerator, denominator);
    if (half > 0 || (half == 0 && (quotient & 1) != 0)) ++quotient;
    return quotient;
}

}  // namespace

double decimalToDouble(std::string_view mantissa, std::int64_t exponent) {
    const DecimalSignificand decimal = significandOf(mantissa, exponent);
    if (decimal.digits.empty()) return 0.0;
    const auto digitCount = static_cast<std::int64_t>(decimal.digits.size());
    // The value lies in [10^(digitCount + exponent - 1), 10^(digitCount + exponent)).
    if (digitCount + decimal.exponent - 1 >= kDecimalExponentOfOverflow)
        return std::numeric_limits<double>::infinity();
    if (digitCount + decimal.exponent <= kDecimalExponentOfUnderflow) return 0.0;

    // value = numerator / denominator × 2^binaryExponent, since 10^e = 5^e × 2^e.
    BigUnsigned numerator = BigUnsigned::fromDecimalDigits(decimal.digits);
    BigUnsigned denominator(1);
    if (decimal.exponent >= 0) numerator.multiplyByPowerOfFive(decimal.exponent);
    else denominator.multiplyByPowerOfFive(-decimal.exponent);
    const std::int64_t binaryExponent = decimal.exponent;

    const std::int64_t topBit = floorLog2OfQuotient(numerator, denominator) + binaryExponent;
    if (topBit >= kBinaryExponentOfOverflow) return std::numeric_limits<double>::infinity();
    // The weight of the last mantissa bit; subnormals keep the smallest one.
    const std::int64_t unitExponent = std::max(topBit - (kMantissaBits - 1), kSmallestUnitExponent);

    const std::int64_t scale = binaryExponent - unitExponent;
    if (scale >= 0) numerator.shiftLeft(scale);
    else denominator.shiftLeft(-scale);
    const std::uint64_t units = roundedQuotient(numerator, denominator);
    // Exact, as units is at most 2^53; rounding up past the largest double gives infinity.
    return std::ldexp(static_cast<double>(units), static_cast<int>(unitExponent));
}
