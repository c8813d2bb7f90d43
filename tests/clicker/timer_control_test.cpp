// The timer period rule and tick delivery on the virtual clock, for both tick sources: the
// precise one of the clicking timers and the system timer of the clock.
#include <gtest/gtest.h>

#include "clicker/timer_control.h"
#include "support/program_fixture.h"

namespace {

class TimerControlTest : public ProgramTest {
protected:
    // ClickTimer's ticks click at the pointer: each tick is one left click.
    static constexpr Control kTimer = Control::ClickTimer;
    static std::optional<sim::TickerInfo> ticker(Control c) {
        return sim::preciseTicker(handle(c));
    }
    static std::int64_t nextDue() { return ticker(kTimer)->nextDue; }
};

TEST_F(TimerControlTest, WritingTheCurrentPeriodDoesNotRestart) {
    writePeriod(kTimer, 10);
    advance(6);
    ASSERT_TRUE(ticker(kTimer));
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
    ASSERT_TRUE(ticker(kTimer));
    EXPECT_EQ(nextDue(), sim::now() + 20);
    clearInput();
    advance(19);
    EXPECT_EQ(leftClicks(), 0);
    advance(1);
    EXPECT_EQ(leftClicks(), 1);
}

TEST_F(TimerControlTest, NegativeStopsAndZeroOnAStoppedTimerDoesNothing) {
    writePeriod(kTimer, 10);
    ASSERT_TRUE(ticker(kTimer));
    writePeriod(kTimer, -5);
    EXPECT_EQ(periodOf(kTimer), 0);
    EXPECT_FALSE(timerRunning(kTimer));
    EXPECT_FALSE(ticker(kTimer));
    writePeriod(kTimer, 0);
    EXPECT_FALSE(ticker(kTimer));
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 0);
}

// The system timer rounds short periods up to 10 ms; the clicking timers keep every period.
TEST_F(TimerControlTest, TheClickingTimersTickAtThePeriodWritten) {
    struct Row {
        Control timer;
        std::int32_t period;
    };
    for (const Row row : {Row{kTimer, 1}, Row{kTimer, 2}, Row{kTimer, 5}, Row{kTimer, 16},
                          Row{Control::PointClickTimer, 3}}) {
        writePeriod(row.timer, row.period);
        clearInput();
        advance(960);
        EXPECT_EQ(leftClicks(), 960 / row.period) << "period " << row.period;
        writePeriod(row.timer, 0);
    }
}

TEST_F(TimerControlTest, EachTimerUsesItsOwnTickSource) {
    writePeriod(Control::ClickTimer, 10);
    writePeriod(Control::CaptureTimer, 10);
    writePeriod(Control::PointClickTimer, 10);
    writePeriod(Control::ScheduleTimer, 1000);
    for (Control c : {Control::ClickTimer, Control::CaptureTimer, Control::PointClickTimer}) {
        ASSERT_TRUE(ticker(c)) << controlIdOf(c);
        EXPECT_EQ(ticker(c)->phase, platform::TickPhase::FromNow) << controlIdOf(c);
        EXPECT_FALSE(sim::timer(handle(c), 1000)) << controlIdOf(c);
    }
    ASSERT_TRUE(ticker(Control::ScheduleTimer));
    EXPECT_EQ(ticker(Control::ScheduleTimer)->phase, platform::TickPhase::WallClock);
    EXPECT_FALSE(ticker(Control::ClockTimer));
    ASSERT_TRUE(sim::timer(handle(Control::ClockTimer), 1000));
    EXPECT_EQ(sim::timer(handle(Control::ClockTimer), 1000)->period, 1000u);
}

TEST_F(TimerControlTest, TheScheduleTicksJustAfterEachSecondTurns) {
    sim::setWallClock({2024, 3, 5, 12, 0, 0, 400});
    writePeriod(Control::ScheduleTimer, 1000);
    const std::int64_t start = sim::now();
    EXPECT_EQ(ticker(Control::ScheduleTimer)->nextDue,
              start + 600 + platform::kWallClockTickDelayMs)
        << "the first comparison as the next second begins, not a full second after the start";
    advance(600 + platform::kWallClockTickDelayMs);
    EXPECT_EQ(ticker(Control::ScheduleTimer)->nextDue, sim::now() + 1000);
    // A wall clock set forward by 300 ms moves the next deadline to the new turn.
    sim::jumpWallClock(300);
    advance(1000);
    EXPECT_EQ(sim::wallClock().millisecond, 301);
    EXPECT_EQ(ticker(Control::ScheduleTimer)->nextDue, sim::now() + 700);
}

// A tick the timing source posted before a stop or restart waits in the queue behind the key
// presses; it belongs to the earlier start and must not click.
class QueuedTickTest : public TimerControlTest {
protected:
    void SetUp() override {
        TimerControlTest::SetUp();
        chooseStartKey("A");
        press('A');
        advance(9);
        clearInput();
    }
    // The presses, then the tick due at 10 ms, all queued before any is handled.
    static void pressThenLetTheTickFallDue(int presses) {
        for (int i = 0; i < presses; ++i) sim::pressKey('A');
        sim::spendTime(1);
        sim::runPending();
    }
};

TEST_F(QueuedTickTest, AStopPressAheadOfTheTickLeavesNoClick) {
    pressThenLetTheTickFallDue(1);
    EXPECT_FALSE(timerRunning(kTimer));
    EXPECT_EQ(leftClicks(), 0);
}

TEST_F(QueuedTickTest, AfterAStopAndAStartTheFirstClickComesOneNewIntervalLater) {
    replaceText(Control::IntervalEdit, "50");
    pressThenLetTheTickFallDue(2);
    EXPECT_EQ(periodOf(kTimer), 50);
    EXPECT_EQ(leftClicks(), 0) << "the tick of the earlier start clicked";
    advance(49);
    EXPECT_EQ(leftClicks(), 0);
    advance(1);
    EXPECT_EQ(leftClicks(), 1);
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
    writePeriod(Control::ScheduleTimer, 1000);
    const platform::Window timerWindow = handle(kTimer);
    EXPECT_EQ(exitCodeOf([] { endProgram(0); }), 0);
    EXPECT_FALSE(sim::preciseTicker(timerWindow));
    EXPECT_TRUE(sim::preciseTickers().empty());
    EXPECT_TRUE(sim::timers().empty());
    writePeriod(kTimer, 10);
    EXPECT_TRUE(sim::preciseTickers().empty()) << "a late write arms nothing";
}

}  // namespace
