// Schoolbook arithmetic on 32-bit limbs; the numbers stay below a few thousand bits.
#include "schedule/big_unsigned.h"

#include <bit>

namespace {

constexpr int kLimbBits = 32;
constexpr std::uint32_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                          100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::size_t kDigitsPerChunk = 9;
constexpr std::uint32_t kLargestPowerOfFive = 1220703125;  // 5^13, the largest below 2^32
constexpr std::int64_t kLargestPowerOfFiveExponent = 13;

}  // namespace

BigUnsigned::BigUnsigned(std::uint32_t value) {
    if (value != 0) limbs_.push_back(value);
}

BigUnsigned BigUnsigned::fromDecimalDigits(std::string_view digits) {
    BigUnsigned result;
    // The first chunk takes the odd digits so that every later one is a full nine.
    std::size_t chunk = digits.size() % kDigitsPerChunk;
    if (chunk == 0) chunk = kDigitsPerChunk;
    for (std::size_t i = 0; i < digits.size(); i += chunk, chunk = kDigitsPerChunk) {
        std::uint32_t value = 0;
        for (std::size_t k = i; k < i + chunk; ++k)
            value = value * 10 + static_cast<std::uint32_t>(digits[k] - '0');
        result.multiplyBy(kPowersOfTen[chunk]);
        result.addSmall(value);
    }
    return result;
}

void BigUnsigned::multiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> kLimbBits;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

void BigUnsigned::multiplyByPowerOfFive(std::int64_t exponent) {
    for (; exponent >= kLargestPowerOfFiveExponent; exponent -= kLargestPowerOfFiveExponent)
        multiplyBy(kLargestPowerOfFive);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    multiplyBy(rest);
}

void BigUnsigned::addSmall(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; carry != 0; ++i) {
        if (i == limbs_.size()) limbs_.push_back(0);
        const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
        limbs_[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> kLimbBits;
    }
}

void BigUnsigned::shiftLeft(std::int64_t bits) {
    if (limbs_.empty() || bits <= 0) return;
    const auto wholeLimbs = static_cast<std::size_t>(bits / kLimbBits);
    const auto partBits = static_cast<int>(bits % kLimbBits);
    if (partBits != 0) {
        std::uint32_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint32_t next = limb >> (kLimbBits - partBits);
            limb = (limb << partBits) | carry;
            carry = next;
        }
        if (carry != 0) limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), wholeLimbs, 0);
}

void BigUnsigned::shiftRightOne() {
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << (kLimbBits - 1) : 0;
        limbs_[i] = (limbs_[i] >> 1) | high;
    }
    trim();
}

void BigUnsigned::subtract(const BigUnsigned& smaller) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = std::int64_t{limbs_[i]} - borrow;
        if (i < smaller.limbs_.size()) difference -= smaller.limbs_[i];
        borrow = difference < 0 ? 1 : 0;
        limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << kLimbBits));
    }
    trim();
}

std::int64_t BigUnsigned::bitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<std::int64_t>(limbs_.size() - 1) * kLimbBits +
           static_cast<std::int64_t>(std::bit_width(limbs_.back()));
}

void BigUnsigned::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}
