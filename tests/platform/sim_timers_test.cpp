// The sim's timers and clocks: periods, the minimum, merging of late ticks, killing, and the
// wall clock that localTime reads.
#include <algorithm>

#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
using platform::msg::Timer;

class SimTimers : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        window = topLevel();
        reaction() = [this](const Received& r, LResult&) {
            if (r.message == Timer) tickTimes.push_back(sim::now());
            if (r.message == Timer && busyMs > 0) sim::spendTime(busyMs);
            return false;
        };
    }
    Window window = nullptr;
    std::vector<std::int64_t> tickTimes;
    std::int64_t busyMs = 0;
};

TEST_F(SimTimers, TicksOnePeriodAfterTheCallThenEveryPeriod) {
    sim::runFor(5);
    platform::setTimer(window, 7, 25);
    sim::runFor(100);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{30, 55, 80, 105}));
    ASSERT_EQ(messagesTo(window, Timer).size(), 4u);
    EXPECT_EQ(messagesTo(window, Timer)[0].wParam, 7u);
}

TEST_F(SimTimers, PeriodsBelowTheMinimumAreClampedToTenMs) {
    for (unsigned asked : {0u, 1u, 9u}) {
        sim::reset();
        platform::registerClass(kRecorder, recordingProc, 0);
        window = topLevel();
        tickTimes.clear();
        platform::setTimer(window, 1, asked);
        ASSERT_TRUE(sim::timer(window, 1).has_value());
        EXPECT_EQ(sim::timer(window, 1)->period, sim::kTimerMinimum) << asked;
        sim::runFor(30);
        EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{10, 20, 30})) << asked;
    }
}

TEST_F(SimTimers, TicksThatFallDueWhileAHandlerIsBusyMergeIntoOne) {
    platform::setTimer(window, 1, 10);
    busyMs = 35;  // each tick takes 35 ms of a 10 ms period
    sim::runFor(100);
    // Ticks at 10 (busy to 45), the merged one at 45 (busy to 80), 80 (busy to 115), and the
    // one due at 90 when that handler ends; none is due by the end time after that.
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{10, 45, 80, 115}));
    // The timer keeps its phase: next due at the first multiple of 10 after the busy time.
    EXPECT_EQ(sim::timer(window, 1)->nextDue, 120);
}

TEST_F(SimTimers, TimerMessagesComeOnlyWhenNothingElseIsQueued) {
    platform::setTimer(window, 1, 10);
    sim::spendTime(50);  // five periods pass without a message loop
    platform::postMessage(window, platform::msg::App, 1, 0);
    platform::postMessage(window, platform::msg::App, 2, 0);
    sim::runPending();
    std::vector<unsigned> order;
    for (const Received& r : received())
        if (r.message == Timer || r.message == platform::msg::App) order.push_back(r.message);
    EXPECT_EQ(order, (std::vector<unsigned>{platform::msg::App, platform::msg::App, Timer}));
}

TEST_F(SimTimers, ReArmingRestartsTheCountdownAndKillingStopsIt) {
    platform::setTimer(window, 1, 10);
    sim::runFor(15);
    platform::setTimer(window, 1, 20);  // at 15: next tick at 35
    sim::runFor(25);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{10, 35}));
    platform::killTimer(window, 1);
    sim::runFor(100);
    EXPECT_EQ(tickTimes.size(), 2u);
    EXPECT_FALSE(sim::timer(window, 1).has_value());
}

TEST_F(SimTimers, TimersOfTheSameWindowAreIndependentByIdAndDieWithTheWindow) {
    Window other = child(window, kRecorder, 0, 5);
    platform::setTimer(window, 1, 10);
    platform::setTimer(window, 2, 30);
    platform::setTimer(other, 1, 10);
    sim::runFor(30);
    EXPECT_EQ(messagesTo(window, Timer).size(), 4u);  // id 1 three times, id 2 once
    EXPECT_EQ(messagesTo(other, Timer).size(), 3u);
    platform::destroyWindow(window);
    EXPECT_TRUE(sim::timers().empty());
    clearReceived();
    sim::runFor(100);
    EXPECT_TRUE(received().empty());
}

TEST_F(SimTimers, TicksGoThroughTheInstalledMessageProcessor) {
    int processed = 0;
    sim::setMessageProcessor([&](const platform::Message& m) {
        if (m.message == Timer) ++processed;
        platform::dispatchMessage(m);
    });
    platform::setTimer(window, 1, 10);
    sim::runFor(50);
    EXPECT_EQ(processed, 5);
    EXPECT_EQ(tickTimes.size(), 5u);
}

TEST_F(SimTimers, WallClockJumpsMoveLocalTimeButNotTimers) {
    platform::setTimer(window, 1, 1000);
    sim::jumpWallClock(-3600 * 1000);
    sim::runFor(1000);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{1000}));
    const platform::LocalTime t = platform::localTime();
    EXPECT_EQ(t.hour, 11);
    EXPECT_EQ(t.second, 1);
}

TEST(SimWallClock, LocalTimeFollowsTheVirtualClockAcrossCalendarEdges) {
    struct Case {
        sim::WallTime start;
        std::int64_t advanceMs;
        platform::LocalTime expected;
    };
    const Case cases[] = {
        {{}, 0, {2024, 3, 5, 12, 0, 0}},
        {{}, 999, {2024, 3, 5, 12, 0, 0}},
        {{}, 1000, {2024, 3, 5, 12, 0, 1}},
        {{2024, 2, 28, 23, 59, 59, 500}, 500, {2024, 2, 29, 0, 0, 0}},
        {{2023, 2, 28, 23, 59, 59, 0}, 1000, {2023, 3, 1, 0, 0, 0}},
        {{2024, 12, 31, 23, 59, 59, 999}, 1, {2025, 1, 1, 0, 0, 0}},
        {{1999, 12, 31, 23, 0, 0, 0}, 3600 * 1000, {2000, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        sim::reset();
        sim::setWallClock(c.start);
        sim::runFor(c.advanceMs);
        const platform::LocalTime t = platform::localTime();
        const auto row = ::testing::Message() << c.start.year << "-" << c.start.month << "-"
                                              << c.start.day << " +" << c.advanceMs;
        EXPECT_EQ(t.year, c.expected.year) << row;
        EXPECT_EQ(t.month, c.expected.month) << row;
        EXPECT_EQ(t.day, c.expected.day) << row;
        EXPECT_EQ(t.hour, c.expected.hour) << row;
        EXPECT_EQ(t.minute, c.expected.minute) << row;
        EXPECT_EQ(t.second, c.expected.second) << row;
    }
    sim::reset();
}

}  // namespace
