// Comparison, length and concatenation of texts, and the message of the fatal error when a
// concatenation cannot get its storage.
#include <gtest/gtest.h>

#include <string>

#include "schedule/conversions.h"

namespace {

struct CompareCase {
    const char* what;
    std::string_view a, b;
    int expected;
};

TEST(CompareText, OrdersByUnsignedBytesWithTheShorterTextFirst) {
    const CompareCase cases[] = {
        {"two missing texts", {}, {}, 0},
        {"missing and empty", {}, "", 0},
        {"empty and missing", "", {}, 0},
        {"empty before any text", "", "a", -1},
        {"any text after the empty one", "a", {}, 1},
        {"equal", "10", "10", 0},
        {"a beginning is the smaller", "10", "10 ", -1},
        {"a continuation is the larger", "10 ", "10", 1},
        {"first difference decides", "abc", "abd", -1},
        {"first difference decides, not the length", "b", "abc", 1},
        {"bytes compare unsigned", "\x80", "\x7F", 1},
        {"the same caption", "确定"_gbk, "确定"_gbk, 0},
        {"different captions by GBK byte values", "确定"_gbk, "取消"_gbk, 1},
    };
    for (const auto& row : cases) EXPECT_EQ(compareText(row.a, row.b), row.expected) << row.what;
}

TEST(TextLength, CountsBytes) {
    EXPECT_EQ(textLength({}), 0);
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength("abc"), 3);
    EXPECT_EQ(textLength("时分"_gbk), 4);
}

TEST(ConcatTexts, JoinsThePartsInOrderAndSkipsMissingOnes) {
    EXPECT_EQ(concatTexts({"自动点击时间为："_gbk, "12", "时"_gbk, {}, "分"_gbk, "", "秒"_gbk}),
              "自动点击时间为：12时分秒"_gbk);
    EXPECT_EQ(concatTexts({"only"}), "only");
    EXPECT_EQ(concatTexts({{}, "", {}}), "");
}

TEST(ConcatTexts, NamesTheBytesRequestedWhenStorageFails) {
    EXPECT_EQ(allocationFailureMessage(27), "分配 27 字节内存失败!"_gbk);
}

}  // namespace
