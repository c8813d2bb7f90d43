// Reading integers and numbers from the start of a text, and writing integers as text.
#include <charconv>

#include "schedule/conversions.h"
#include "schedule/decimal_to_double.h"

namespace {

bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }
bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Reads a text from its first byte onwards, never past its end.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool at(bool (*test)(char)) const { return pos_ < text_.size() && test(text_[pos_]); }
    bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    char take() { return text_[pos_++]; }
    void skipWhiteSpace() {
        while (at(isWhiteSpace)) ++pos_;
    }
    // Steps over one sign; true when it was '-'.
    bool takeSign() { return at(isSign) && take() == '-'; }

    std::size_t position() const { return pos_; }
    std::string_view since(std::size_t start) const { return text_.substr(start, pos_ - start); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Far beyond any exponent with a finite non-zero result, and far from overflowing.
constexpr std::int64_t kExponentSaturation = 100'000'000'000'000'000;

std::int64_t takeExponentDigits(Scanner& scan) {
    std::int64_t exponent = 0;
    while (scan.at(isDigit)) {
        const int digit = scan.take() - '0';
        if (exponent < kExponentSaturation) exponent = exponent * 10 + digit;
    }
    return exponent;
}

// After the mantissa. A letter with no digit after its optional sign leaves the exponent 0,
// just as if the number had ended before the letter.
std::int64_t takeExponent(Scanner& scan) {
    if (!scan.at(isExponentLetter)) return 0;
    scan.take();
    const bool negative = scan.takeSign();
    const std::int64_t exponent = takeExponentDigits(scan);
    return negative ? -exponent : exponent;
}

}  // namespace

std::int32_t textToInteger(std::string_view t) {
    const Text folded = foldFullWidth(t);
    Scanner scan(folded);
    scan.skipWhiteSpace();
    const bool negative = scan.takeSign();
    // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
    std::uint32_t value = 0;
    while (scan.at(isDigit)) value = value * 10u + static_cast<std::uint32_t>(scan.take() - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

double textToNumber(std::string_view t) {
    const Text folded = foldFullWidth(t);
    Scanner scan(folded);
    scan.skipWhiteSpace();
    const bool negative = scan.takeSign();
    const std::size_t mantissaStart = scan.position();
    bool sawPoint = false;
    bool sawDigit = false;
    while (scan.at(isDigit) || (!sawPoint && scan.at('.'))) {
        if (scan.take() == '.') sawPoint = true;
        else sawDigit = true;
    }
    if (!sawDigit) return 0.0;
    const std::string_view mantissa = scan.since(mantissaStart);
    const double magnitude = decimalToDouble(mantissa, takeExponent(scan));
    return negative ? -magnitude : magnitude;
}

Text integerToText(std::int32_t n) {
    char digits[12];  // "-2147483648"
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return Text(digits, end);
}
