// A minimal arbitrary-precision unsigned integer: just the operations that exact decimal to
// binary conversion needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(std::uint32_t value);
    static BigUnsigned fromDecimalDigits(std::string_view digits);

    void multiplyBy(std::uint32_t factor);
    void multiplyByPowerOfFive(std::int64_t exponent);
    void shiftLeft(std::int64_t bits);
    void shiftRightOne();
    void subtract(const BigUnsigned& smaller);  // requires *this >= smaller

    std::int64_t bitLength() const;
    friend int compare(const BigUnsigned& a, const BigUnsigned& b);  // −1, 0, 1

private:
    void addSmall(std::uint32_t addend);
    void trim();

    std::vector<std::uint32_t> limbs_;  // least significant first, no zero at the top
};
