// The timer period rule and tick delivery on the virtual clock.
#include <gtest/gtest.h>

#include "clicker/timer_control.h"
#include "support/program_fixture.h"

namespace {

class TimerControlTest : public ProgramTest {
protected:
    // ClickTimer's ticks click at the pointer: each tick is one left click.
    static constexpr Control kTimer = Control::ClickTimer;
    std::int64_t nextDue() { return sim::timer(handle(kTimer), 1000)->nextDue; }
};

TEST_F(TimerControlTest, WritingTheCurrentPeriodDoesNotRestart) {
    writePeriod(kTimer, 10);
    advance(6);
    const std::int64_t due = nextDue();
    writePeriod(kTimer, 10);
    EXPECT_EQ(nextDue(), due);
    clearInput();
    advance(4);
    EXPECT_EQ(leftClicks(), 1) << "the running countdown ends on time";
}

TEST_F(TimerControlTest, ADifferentPeriodRestartsTheCountdown) {
    writePeriod(kTimer, 10);
    advance(6);
    writePeriod(kTimer, 20);
    EXPECT_EQ(nextDue(), sim::now() + 20);
    clearInput();
    advance(19);
    EXPECT_EQ(leftClicks(), 0);
    advance(1);
    EXPECT_EQ(leftClicks(), 1);
}

TEST_F(TimerControlTest, NegativeStopsAndZeroOnAStoppedTimerDoesNothing) {
    writePeriod(kTimer, 10);
    writePeriod(kTimer, -5);
    EXPECT_EQ(periodOf(kTimer), 0);
    EXPECT_FALSE(timerRunning(kTimer));
    EXPECT_FALSE(sim::timer(handle(kTimer), 1000).has_value());
    writePeriod(kTimer, 0);
    EXPECT_FALSE(sim::timer(handle(kTimer), 1000).has_value());
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 0);
}

TEST_F(TimerControlTest, TicksMergeWhileTheThreadIsBusy) {
    writePeriod(kTimer, 10);
    // A box whose handler keeps the thread 200 ms without dispatching.
    sim::answerMessageBoxes([](const sim::MessageBoxCall&) {
        sim::spendTime(200);
        return sim::kIdOk;
    });
    clearInput();
    clickControl(Control::HotkeysButton);
    sim::runPending();
    EXPECT_EQ(leftClicks(), 1) << "one tick, not a burst";
}

TEST_F(TimerControlTest, TicksGoOnInsideAnOpenBox) {
    writePeriod(kTimer, 10);
    int clicksInside = 0;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        sim::runFor(100);
        clicksInside = leftClicks();
        return sim::kIdOk;
    });
    clearInput();
    clickControl(Control::HotkeysButton);
    EXPECT_EQ(clicksInside, 10);
}

TEST_F(TimerControlTest, DestroyingTheWindowStopsEveryTimer) {
    writePeriod(kTimer, 10);
    const platform::Window timerWindow = handle(kTimer);
    EXPECT_EQ(exitCodeOf([] { endProgram(0); }), 0);
    EXPECT_FALSE(sim::timer(timerWindow, 1000).has_value());
    EXPECT_TRUE(sim::timers().empty());
    writePeriod(kTimer, 10);
    EXPECT_TRUE(sim::timers().empty()) << "a late write arms nothing";
}

}  // namespace
