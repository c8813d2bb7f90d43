// The clock label and the working-set trim.
#include <gtest/gtest.h>

#include "support/program_fixture.h"

namespace {

class ClockTest : public ProgramTest {
protected:
    Text clockText() { return platform::getWindowText(handle(Control::ClockLabel)); }
};

TEST_F(ClockTest, EmptyForTheFirstSecondThenTheLocalTime) {
    start([] { sim::setWallClock({2024, 3, 5, 14, 7, 8, 0}); });
    advance(999);
    EXPECT_EQ(clockText(), "");
    advance(1);
    EXPECT_EQ(clockText(), "2024年3月5日14时7分9秒"_gbk);
}

TEST_F(ClockTest, FullMinuteHourAndMidnightDropTheirZeroParts) {
    struct Case {
        sim::WallTime before;  // one second before the tick
        std::string_view text;
    };
    const Case cases[] = {
        {{2024, 3, 5, 14, 6, 59, 0}, "2024年3月5日14时7分"_gbk},
        {{2024, 3, 5, 13, 59, 59, 0}, "2024年3月5日14时"_gbk},
        {{2024, 3, 4, 23, 59, 59, 0}, "2024年3月5日"_gbk},
    };
    for (const Case& c : cases) {
        start([&] { sim::setWallClock(c.before); });
        advance(1000);
        EXPECT_EQ(clockText(), c.text);
    }
}

TEST_F(ClockTest, UpdatesWhileHiddenAndTrimsEachTick) {
    press(platform::vk::F3);
    advance(3000);
    EXPECT_FALSE(clockText().empty());
    ASSERT_EQ(sim::workingSetCalls().size(), 3u);
    for (const sim::WorkingSetCall& call : sim::workingSetCalls()) {
        EXPECT_EQ(call.process, sim::currentProcessHandle());
        EXPECT_EQ(call.minimum, SIZE_MAX);
        EXPECT_EQ(call.maximum, SIZE_MAX);
    }
    EXPECT_EQ(sim::loadLibraryCount(), 1) << "bound once, at the first tick";
    EXPECT_EQ(sim::freeLibraryCount(), 0);
}

TEST_F(ClockTest, AFunctionThatCannotBeBoundEndsTheProgram) {
    struct Case {
        bool failLoad;
        int freed;
    };
    for (const Case c : {Case{true, 0}, Case{false, 1}}) {
        start([&] {
            if (c.failLoad) sim::failLoadLibrary(true);
            else sim::hideSetProcessWorkingSetSize(true);
        });
        EXPECT_EQ(exitCodeOf([&] { advance(1000); }), -1);
        EXPECT_EQ(sim::messageBoxLog().back().text,
                  "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“kernel32.dll”中的输出命令“SetProcessWorkingSetSize”\r\n"_gbk);
        EXPECT_EQ(sim::freeLibraryCount(), c.freed);
    }
}

}  // namespace
