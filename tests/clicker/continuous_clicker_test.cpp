// The main function: a chosen key starts and stops clicking at the pointer.
#include <gtest/gtest.h>

#include "app/message_box.h"
#include "app/program_state.h"
#include "clicker/timer_control.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

class ContinuousClickerTest : public ProgramTest {
protected:
    bool clicking() { return timerRunning(Control::ClickTimer); }
};

TEST_F(ContinuousClickerTest, FirstPressAfterChoosingStartsAndTheNextStops) {
    chooseStartKey("A");
    EXPECT_EQ(focusedWindow(), handle(Control::IntervalEdit));
    sim::movePointer(300, 400);
    press('A');
    EXPECT_EQ(periodOf(Control::ClickTimer), 10);
    clearInput();
    advance(9);
    EXPECT_EQ(leftClicks(), 0);
    advance(1);
    EXPECT_EQ(leftClicks(), 1) << "the first click one interval after the press";
    advance(40);
    EXPECT_EQ(leftClicks(), 5);
    EXPECT_EQ(sim::inputLog().front().x, 300);
    EXPECT_EQ(sim::inputLog().front().y, 400);
    press('A');
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 0);
}

TEST_F(ContinuousClickerTest, ChoosingTheSameKeyAgainKeepsItWorking) {
    chooseStartKey("A");
    chooseStartKey("A");
    EXPECT_NE(startStopHotkeyId, 0);
    press('A');
    EXPECT_TRUE(clicking());
}

TEST_F(ContinuousClickerTest, ANewKeyGivesTheOldOneBack) {
    chooseStartKey("A");
    chooseStartKey("B");
    EXPECT_EQ(sim::hotkeyHolder('A').holder, sim::Holder::None);
    EXPECT_TRUE(sim::otherProgramHolds('A'));
    press('B');
    EXPECT_TRUE(clicking());
}

TEST_F(ContinuousClickerTest, ChoosingWhileClickingLetsTheNextPressStop) {
    chooseStartKey("A");
    press('A');
    chooseStartKey("B");
    press('B');
    EXPECT_FALSE(clicking());
}

TEST_F(ContinuousClickerTest, KeysHeldElsewhereLeaveNoStartKeyAndGiveThePreviousBack) {
    for (const char* taken : {"F1", "F3"}) {
        start();
        chooseStartKey("A");
        chooseStartKey(taken);
        EXPECT_EQ(startStopHotkeyId, 0) << taken;
        EXPECT_EQ(sim::hotkeyHolder('A').holder, sim::Holder::None) << taken;
    }
    press(vk::F1);
    EXPECT_EQ(periodOf(Control::CaptureTimer), 10) << "F1 keeps its own action";
    press(vk::F3);
    EXPECT_FALSE(mainVisible()) << "F3 keeps its own action";
}

TEST_F(ContinuousClickerTest, TheIntervalTextDecidesWhatAPressStarts) {
    struct Case {
        const char* interval;
        std::int32_t period;  // written to the timer
        bool asksForInterval;
    };
    const Case cases[] = {{"10", 10, false}, {"", 0, true},          {"-", 0, false},
                          {"abc", 0, false}, {"0", 0, false},        {"-20", 0, false},
                          {"250", 250, false}, {"2147483648", 0, false}};
    for (const Case& c : cases) {
        start();
        chooseStartKey("A");
        replaceText(Control::IntervalEdit, c.interval);
        press('A');
        EXPECT_EQ(periodOf(Control::ClickTimer), c.period) << c.interval;
        EXPECT_EQ(boxesWithText("请设置秒数！"_gbk), c.asksForInterval ? 1 : 0) << c.interval;
    }
}

TEST_F(ContinuousClickerTest, AStopAlwaysStopsEvenWithTheIntervalEmptied) {
    chooseStartKey("A");
    press('A');
    replaceText(Control::IntervalEdit, "");
    press('A');
    EXPECT_FALSE(clicking());
    EXPECT_EQ(boxesWithText("请设置秒数！"_gbk), 0);
}

TEST_F(ContinuousClickerTest, PressesWhileTheIntervalBoxIsOpenOpenNoSecondBox) {
    chooseStartKey("A");
    replaceText(Control::IntervalEdit, "");
    sim::answerMessageBoxes([](const sim::MessageBoxCall&) {
        sim::pressKey('A');
        sim::pressKey('A');
        sim::runPending();
        return sim::kIdOk;
    });
    press('A');
    EXPECT_EQ(boxesWithText("请设置秒数！"_gbk), 1);
    EXPECT_FALSE(clicking());
}

TEST_F(ContinuousClickerTest, TheKindSwitchesAtTheNextTick) {
    chooseStartKey("A");
    press('A');
    advance(10);
    sendMessage(handle(Control::ClickTypeCombo), msg::CbSetCurSel, 3, 0);
    clearInput();
    advance(10);
    EXPECT_EQ(rightClicks(), 2) << "a right double click";
    EXPECT_EQ(leftClicks(), 0);
}

TEST_F(ContinuousClickerTest, ClickingGoesOnHiddenAndInsideABoxAndStopsWithTheWindow) {
    chooseStartKey("A");
    press('A');
    press(vk::F3);
    clearInput();
    advance(50);
    EXPECT_EQ(leftClicks(), 5) << "hidden";
    int insideBox = 0;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        sim::runFor(30);
        insideBox = leftClicks();
        return sim::kIdOk;
    });
    clearInput();
    messageBox("x", 4096);
    EXPECT_EQ(insideBox, 3);
    sim::clickCloseBox(handle(Control::MainWindow));
    sim::runPending();
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 0) << "no click after the window is gone";
}

}  // namespace
