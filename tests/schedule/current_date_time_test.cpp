// The conversions that meet the system, on the simulated desktop: the current date-time read
// from the wall clock, and the fatal error of a concatenation that gets no storage.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim.h"
#include "schedule/conversions.h"

namespace {

class SystemConversionsTest : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
    void TearDown() override { sim::reset(); }
};

struct ClockCase {
    sim::WallTime wall;
    int hour, minute, second;
    std::string_view text;
};

TEST_F(SystemConversionsTest, CurrentDateTimeIsTheWallClockToTheWholeSecond) {
    const ClockCase cases[] = {
        {{2024, 3, 5, 23, 59, 59, 0}, 23, 59, 59, "2024年3月5日23时59分59秒"_gbk},
        {{2024, 3, 5, 23, 59, 59, 999}, 23, 59, 59, "2024年3月5日23时59分59秒"_gbk},
        {{2024, 3, 6, 0, 0, 0, 0}, 0, 0, 0, "2024年3月6日"_gbk},
        {{2024, 3, 5, 14, 7, 9, 500}, 14, 7, 9, "2024年3月5日14时7分9秒"_gbk},
    };
    for (const auto& row : cases) {
        sim::setWallClock(row.wall);
        const DateTime now = currentDateTime();
        const std::string at = std::to_string(row.wall.hour) + ":" +
                               std::to_string(row.wall.minute) + ":" +
                               std::to_string(row.wall.second) + "." +
                               std::to_string(row.wall.millisecond);
        EXPECT_EQ(hourOf(now), row.hour) << at;
        EXPECT_EQ(minuteOf(now), row.minute) << at;
        EXPECT_EQ(secondOf(now), row.second) << at;
        EXPECT_EQ(dateTimeToText(now), row.text) << at;
    }
}

TEST_F(SystemConversionsTest, CurrentDateTimeFollowsAChangeOfTheClock) {
    sim::setWallClock({2024, 3, 5, 23, 59, 59, 0});
    sim::jumpWallClock(1000);
    EXPECT_EQ(dateTimeToText(currentDateTime()), "2024年3月6日"_gbk);
    sim::jumpWallClock(-2000);
    EXPECT_EQ(dateTimeToText(currentDateTime()), "2024年3月5日23时59分58秒"_gbk);
}

TEST_F(SystemConversionsTest, ConcatTextsEndsTheProgramWhenStorageCannotBeHad) {
    // Two parts whose sum no string can hold; the request fails before any byte is read, so
    // the parts only need to claim their size.
    static const char anyByte = 'x';
    const std::size_t half = Text().max_size() / 2 + 1;
    const std::string_view huge(&anyByte, half);
    try {
        concatTexts({huge, huge});
        FAIL() << "concatTexts returned";
    } catch (const sim::ProcessExit& exit) {
        EXPECT_EQ(exit.exitCode, -1);
    }
    ASSERT_EQ(sim::messageBoxLog().size(), 1u);
    const Text& boxText = sim::messageBoxLog().front().text;
    EXPECT_NE(boxText.find(allocationFailureMessage(2 * half + 1)), Text::npos);
}

}  // namespace
