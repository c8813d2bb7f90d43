// F1's coordinate capture and clicking at the locked point.
#include <gtest/gtest.h>

#include "app/control_properties.h"
#include "app/program_state.h"
#include "clicker/timer_control.h"
#include "hotkeys/hotkey_registry.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

const Text kMissingPoint = Text("请按下F1键获取要点击的X或Y坐标不然无法定时点击！"_gbk);
const Text kLockNotice = Text(" 上键 关闭锁定，按确定钮每次点击锁定按钮不出现此信息框"_gbk);

// The X and Y boxes and the lock button lie in the schedule area: show it.
class ScheduleAreaTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        clickControl(Control::ScheduleAreaCheck);
    }
};

class CaptureTest : public ScheduleAreaTest {};

TEST_F(CaptureTest, F1FollowsThePointerAndASecondF1FreezesIt) {
    EXPECT_EQ(getWindowText(handle(Control::CaptureStateLabel)), "已关闭"_gbk);
    sim::movePointer(10, 20);
    press(vk::F1);
    EXPECT_EQ(getWindowText(handle(Control::CaptureStateLabel)), "已开启！"_gbk);
    advance(10);
    EXPECT_EQ(textOf(Control::XEdit), "10");
    EXPECT_EQ(textOf(Control::YEdit), "20");
    typeInto(Control::XEdit, "99");
    sim::movePointer(5, 700);
    advance(10);
    EXPECT_EQ(textOf(Control::XEdit), "5") << "typed text is overwritten at the next tick";
    EXPECT_EQ(textOf(Control::YEdit), "700");
    press(vk::F1);
    EXPECT_EQ(getWindowText(handle(Control::CaptureStateLabel)), "已关闭！"_gbk);
    sim::movePointer(1, 1);
    advance(50);
    EXPECT_EQ(textOf(Control::XEdit), "5");
}

TEST_F(CaptureTest, TheCaptureGoesOnWhileHidden) {
    press(vk::F1);
    press(vk::F3);
    sim::movePointer(42, 43);
    advance(10);
    EXPECT_EQ(textOf(Control::XEdit), "42");
}

class LockTest : public ScheduleAreaTest {
protected:
    void setPoint(const char* x, const char* y) {
        replaceText(Control::XEdit, x);
        replaceText(Control::YEdit, y);
    }
    bool locked() { return timerRunning(Control::PointClickTimer); }
};

TEST_F(LockTest, AMissingCoordinateOnlyShowsTheStopBox) {
    for (auto [x, y] : {std::pair{"", "5"}, std::pair{"5", ""}}) {
        setPoint(x, y);
        clickControl(Control::LockButton);
        EXPECT_EQ(sim::messageBoxLog().back().text, kMissingPoint);
        EXPECT_EQ(sim::messageBoxLog().back().style, 4112u);
        EXPECT_EQ(unlockKeyPending, 1) << "no registration";
        EXPECT_FALSE(locked());
    }
    EXPECT_EQ(sim::hotkeyHolder(vk::Up).holder, sim::Holder::None);
}

TEST_F(LockTest, NoStartsNothingAndTheNoticeComesBackWithoutASecondRegistration) {
    setPoint("100", "200");
    answerBoxes({sim::kIdNo});
    clickControl(Control::LockButton);
    EXPECT_EQ(sim::messageBoxLog().back().text, kLockNotice);
    EXPECT_EQ(sim::messageBoxLog().back().style, 4100u);
    EXPECT_EQ(unlockHotkeyId, 33003);
    EXPECT_FALSE(locked());
    answerBoxes({sim::kIdNo});
    clickControl(Control::LockButton);
    EXPECT_EQ(boxesWithText(kLockNotice), 2);
    EXPECT_EQ(lastIssuedHotkeyId(), 33003) << "Up is registered once";
}

TEST_F(LockTest, YesClicksAtThePointEveryTenMillisecondsAndUpStops) {
    setPoint("100", "200");
    sim::movePointer(5, 5);
    answerBoxes({sim::kIdYes});
    clickControl(Control::LockButton);
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 10);
    EXPECT_EQ(sim::inputLog().back().x, 100);
    EXPECT_EQ(sim::inputLog().back().y, 200);
    press(vk::Up);
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 0);
    clickControl(Control::LockButton);
    EXPECT_EQ(boxesWithText(kLockNotice), 1) << "later locks ask nothing";
    EXPECT_TRUE(locked());
}

TEST_F(LockTest, UpWhileStoppedDoesNothing) {
    setPoint("1", "2");
    answerBoxes({sim::kIdYes});
    clickControl(Control::LockButton);
    press(vk::Up);
    press(vk::Up);
    EXPECT_FALSE(locked());
    EXPECT_TRUE(mainVisible());
}

TEST_F(LockTest, PointAndKindAreReadAtEveryTick) {
    setPoint("100", "200");
    answerBoxes({sim::kIdYes});
    clickControl(Control::LockButton);
    advance(10);
    setPoint("7", "abc");
    sendMessage(handle(Control::ClickTypeCombo), msg::CbSetCurSel, 2, 0);
    clearInput();
    advance(10);
    EXPECT_EQ(rightClicks(), 1);
    EXPECT_EQ(sim::inputLog().back().x, 7);
    EXPECT_EQ(sim::inputLog().back().y, 0) << "a coordinate without a number gives 0";
}

TEST_F(LockTest, UpWhileTheNoticeIsOpenStopsARunningLock) {
    setPoint("100", "200");
    // Up is registered by a first lock; the schedule can then have the point clicking running
    // while a later lock's notice is open: stand in for the schedule with a direct write.
    answerBoxes({sim::kIdNo});
    clickControl(Control::LockButton);
    writePeriod(Control::PointClickTimer, 10);
    bool stoppedInside = false;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        sim::pressKey(vk::Up);
        sim::runPending();
        stoppedInside = !locked();
        return sim::kIdNo;
    });
    clickControl(Control::LockButton);
    EXPECT_TRUE(stoppedInside);
    EXPECT_FALSE(locked());
}

}  // namespace
