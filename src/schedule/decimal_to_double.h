// The correctly rounded conversion of a decimal number to the nearest double, independent of
// the C library and its locale.
#pragma once

#include <cstdint>
#include <string_view>

// mantissa: decimal digits with at most one '.' among them, at least one digit, any length.
// The value is mantissa × 10^exponent. Gives the nearest double (ties to even), +infinity when
// the value rounds beyond the largest double, 0 when it rounds below the smallest one.
double decimalToDouble(std::string_view mantissa, std::int64_t exponent);
