// The scheduled click on the simulated clock.
#include <gtest/gtest.h>

#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/program_state.h"
#include "clicker/timer_control.h"
#include "hotkeys/hotkey_registry.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

const Text kF4Notice = Text("时间到了自动点击的时候，想关闭的话请按下F4就行了。"_gbk);

class ScheduledClickTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        showScheduleArea();
    }
    // The schedule area shown, a point captured.
    void showScheduleArea() {
        clickControl(Control::ScheduleAreaCheck);
        replaceText(Control::XEdit, "50");
        replaceText(Control::YEdit, "60");
    }
    void restartAt(const sim::WallTime& time) {
        start([&] { sim::setWallClock(time); });
        showScheduleArea();
    }
    void setTime(const char* hour, const char* minute, const char* second) {
        replaceText(Control::HourEdit, hour);
        replaceText(Control::MinuteEdit, minute);
        replaceText(Control::SecondEdit, second);
    }
    void confirm() { clickControl(Control::ScheduleButton); }
    bool clicking() { return timerRunning(Control::PointClickTimer); }
    Text buttonCaption() { return captionOf(Control::ScheduleButton); }
};

TEST_F(ScheduledClickTest, ConfirmingArmsTheSchedule) {
    setTime("12", "0", "05");
    confirm();
    EXPECT_EQ(buttonCaption(), "取消"_gbk);
    EXPECT_EQ(boxesWithText(kF4Notice), 1);
    EXPECT_EQ(getWindowText(handle(Control::ScheduleLabel)), "自动点击时间为：12时0分05秒"_gbk);
    EXPECT_EQ(stopScheduleHotkeyId, 33003);
    EXPECT_EQ(periodOf(Control::ScheduleTimer), 1000);
    EXPECT_FALSE(clicking());
    confirm();  // cancel
    confirm();  // confirm again
    EXPECT_EQ(lastIssuedHotkeyId(), 33003) << "F4 is registered once";
}

TEST_F(ScheduledClickTest, AMissingCoordinateOnlyShowsTheStopBox) {
    replaceText(Control::YEdit, "");
    confirm();
    EXPECT_EQ(buttonCaption(), "确定"_gbk);
    EXPECT_EQ(sim::messageBoxLog().back().style, 4112u);
    EXPECT_FALSE(timerRunning(Control::ScheduleTimer));
    EXPECT_EQ(stopKeyPending, 1);
}

TEST_F(ScheduledClickTest, ClickingStartsInTheSetSecondAtThePoint) {
    setTime("12", "00", "3");
    confirm();
    advance(2500);
    EXPECT_FALSE(clicking());
    clearInput();
    advance(1000);
    EXPECT_TRUE(clicking());
    advance(100);
    EXPECT_GE(leftClicks(), 9);
    EXPECT_EQ(sim::inputLog().back().x, 50);
    EXPECT_EQ(sim::inputLog().back().y, 60);
}

TEST_F(ScheduledClickTest, TheFirstClickComesOnePeriodAfterTheSetSecondBegins) {
    restartAt({2024, 3, 5, 12, 0, 0, 400});
    setTime("12", "00", "03");
    confirm();
    clearInput();
    const sim::WallTime wall = sim::wallClock();
    const std::int64_t setSecondAt = sim::now() + (3000 - (wall.second * 1000 + wall.millisecond));
    advance(setSecondAt - sim::now() + 100);
    ASSERT_GE(leftClicks(), 1);
    // The comparison just after the second turns starts the 10 ms clicking timer.
    EXPECT_EQ(sim::inputLog().front().time - setSecondAt, platform::kWallClockTickDelayMs + 10);
}

TEST_F(ScheduledClickTest, TicksThatSkipTheSetSecondStillFire) {
    // Ticks 1010 ms apart from 12:00:00.985 fall at 01.995 and 03.005: second 2 gets none.
    restartAt({2024, 3, 5, 12, 0, 0, 985});
    setTime("12", "0", "2");
    confirm();
    writePeriod(Control::ScheduleTimer, 1010);
    advance(1010);
    EXPECT_FALSE(clicking());
    advance(1010);
    EXPECT_TRUE(clicking()) << "the tick at 03.005 looks back at second 2";
}

TEST_F(ScheduledClickTest, ALongStallDoesNotFireLate) {
    setTime("12", "0", "10");
    confirm();
    advance(1000);
    // The thread is stuck for 30 s across the set second.
    sim::answerMessageBoxes([](const sim::MessageBoxCall&) {
        sim::spendTime(30000);
        return sim::kIdOk;
    });
    messageBox("busy", 4096);
    sim::answerMessageBoxes(nullptr);
    advance(1000);
    EXPECT_FALSE(clicking());
}

TEST_F(ScheduledClickTest, EmptyHourAndMinuteWithZeroSecondsFireAtMidnight) {
    restartAt({2024, 3, 5, 23, 59, 58, 500});
    setTime("", "", "00");
    confirm();
    advance(1000);
    EXPECT_FALSE(clicking());
    advance(1000);
    EXPECT_TRUE(clicking());
}

TEST_F(ScheduledClickTest, HoursOutOfRangeNeverFire) {
    for (const char* hour : {"24", "99", "-1"}) {
        restartAt({2024, 3, 5, 0, 0, 0, 500});
        setTime(hour, "", "");
        confirm();
        advance(3000);
        EXPECT_FALSE(clicking()) << hour;
    }
}

TEST_F(ScheduledClickTest, CancelBeforeTheTimeLeavesNothingArmed) {
    setTime("12", "0", "3");
    confirm();
    confirm();
    EXPECT_EQ(getWindowText(handle(Control::ScheduleLabel)), "已取消定时点击！"_gbk);
    EXPECT_FALSE(timerRunning(Control::ScheduleTimer));
    advance(5000);
    EXPECT_FALSE(clicking());
}

TEST_F(ScheduledClickTest, F4EndsTheClickingAndTheSchedule) {
    setTime("12", "0", "2");
    confirm();
    advance(3000);
    ASSERT_TRUE(clicking());
    press(vk::F4);
    EXPECT_FALSE(clicking());
    EXPECT_EQ(buttonCaption(), "确定"_gbk);
    EXPECT_FALSE(timerRunning(Control::ScheduleTimer));
    advance(24LL * 3600 * 1000);
    EXPECT_FALSE(clicking()) << "nothing the next day";
}

TEST_F(ScheduledClickTest, UpStopsTheClickingButTheScheduleStaysForTheNextDay) {
    replaceText(Control::IntervalEdit, "10");
    answerBoxes({sim::kIdNo});
    clickControl(Control::LockButton);  // registers Up
    setTime("12", "0", "2");
    confirm();
    advance(3000);
    ASSERT_TRUE(clicking());
    press(vk::Up);
    EXPECT_FALSE(clicking());
    EXPECT_EQ(buttonCaption(), "取消"_gbk);
    advance(24LL * 3600 * 1000);
    EXPECT_TRUE(clicking()) << "fires again the next day";
}

TEST_F(ScheduledClickTest, EditedBoxesTakeEffectAtTheNextTickButTheLabelKeepsItsText) {
    setTime("13", "0", "0");
    confirm();
    setTime("12", "0", "2");
    advance(3000);
    EXPECT_TRUE(clicking());
    EXPECT_EQ(getWindowText(handle(Control::ScheduleLabel)), "自动点击时间为：13时0分0秒"_gbk);
}

TEST_F(ScheduledClickTest, ACancelWhileTheNoticeIsOpenThenTheConfirmationFinishes) {
    setTime("12", "0", "9");
    sim::answerMessageBoxes([&](const sim::MessageBoxCall& box) {
        if (box.text == kF4Notice) {
            sim::click(handle(Control::ScheduleButton));
            EXPECT_EQ(buttonCaption(), "确定"_gbk);
        }
        return sim::kIdOk;
    });
    confirm();
    EXPECT_EQ(buttonCaption(), "确定"_gbk);
    EXPECT_EQ(getWindowText(handle(Control::ScheduleLabel)), "自动点击时间为：12时0分9秒"_gbk);
    EXPECT_EQ(periodOf(Control::ScheduleTimer), 1000) << "steps after the notice still run";
}

TEST_F(ScheduledClickTest, F4TakenAsTheStartKeyCannotBeRegisteredForTheSchedule) {
    chooseStartKey("F4");
    setTime("12", "0", "9");
    confirm();
    EXPECT_EQ(stopScheduleHotkeyId, 0);
    EXPECT_EQ(stopKeyPending, 0);
}

TEST_F(ScheduledClickTest, UpdateTimeRewritesOnlyTheLabel) {
    setTime("", "", "00");
    clickControl(Control::UpdateTimeButton);
    EXPECT_EQ(getWindowText(handle(Control::ScheduleLabel)), "自动点击时间为：时分00秒"_gbk);
    EXPECT_EQ(sim::messageBoxLog().back().text, "更新成功！"_gbk);
    EXPECT_FALSE(timerRunning(Control::ScheduleTimer));
}

TEST_F(ScheduledClickTest, LeavingTheMinuteBoxMovesTheFocusToTheSecondBox) {
    clickControl(Control::MinuteEdit);
    clickControl(Control::HourEdit);
    EXPECT_EQ(focusedWindow(), handle(Control::SecondEdit));
}

}  // namespace
