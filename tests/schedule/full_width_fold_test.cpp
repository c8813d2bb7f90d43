// Folding of full-width GBK characters before texts are read as numbers.
#include <gtest/gtest.h>

#include <string>

#include "schedule/conversions.h"

namespace {

struct FoldCase {
    const char* what;
    std::string input;
    std::string expected;
};

const FoldCase kFoldCases[] = {
    {"ideographic space", "\xA1\xA1", " "},
    {"fullwidth tilde", "\xA1\xAB", "~"},
    {"white star", "\xA1\xEE", "*"},
    {"black star", "\xA1\xEF", "*"},
    {"fullwidth digits", "\xA3\xB0\xA3\xB9", "09"},
    {"fullwidth signs, point and exponent letters", "\xA3\xAB\xA3\xAD\xA3\xAE\xA3\xC5\xA3\xE5",
     "+-.Ee"},
    {"first of the fullwidth row (exclamation mark)", "\xA3\xA1", "!"},
    {"last of the fullwidth row (macron)", "\xA3\xFE", "~"},
    {"just before the fullwidth row", "\xA3\xA0", "\xA3\xA0"},
    {"just after the fullwidth row", "\xA3\xFF", "\xA3\xFF"},
    {"another pair of row A1", "\xA1\xA2", "\xA1\xA2"},
    {"a Chinese character", "\xCA\xB1", "\xCA\xB1"},
    {"ASCII and its spaces", " 1 a\t", " 1 a\t"},
    {"a lead byte with an ASCII trail byte", "\x81" "5", "\x81" "5"},
    {"a lead byte cut off at the end", "7\xA3", "7"},
    {"pairs taken two bytes at a time", "\xB0\xA3\xB1", "\xB0\xA3"},
    {"mixed", "\xA1\xA1-\xA3\xB1" "2\xA3\xAE" "5x", " -12.5x"},
    {"empty", "", ""},
};

TEST(FoldFullWidth, TranslatesThePairsOfItsTable) {
    for (const auto& row : kFoldCases) EXPECT_EQ(foldFullWidth(row.input), row.expected) << row.what;
}

TEST(FoldFullWidth, MapsTheWholeFullWidthRowToAscii) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        const std::string pair{'\xA3', static_cast<char>(trail)};
        EXPECT_EQ(foldFullWidth(pair), std::string(1, static_cast<char>(trail - 0x80)))
            << "trail byte " << std::hex << trail;
    }
}

}  // namespace
