// The window's behaviour: properties, message boxes, keyboard, edit filter, closing.
#include <gtest/gtest.h>

#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/startup.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

class WindowTest : public ProgramTest {};

TEST_F(WindowTest, HeightIsClampedAndKeepsTheTopLeftCorner) {
    const Rect before = windowRect(handle(Control::MainWindow));
    struct Case {
        std::int32_t written, expected;
    };
    for (const Case c : {Case{347, 347}, Case{185, 185}, Case{40000, 32627}, Case{-5, 0}}) {
        setMainWindowHeight(c.written);
        const Rect after = windowRect(handle(Control::MainWindow));
        EXPECT_EQ(after.height(), c.expected) << c.written;
        EXPECT_EQ(after.left, before.left) << c.written;
        EXPECT_EQ(after.top, before.top) << c.written;
        EXPECT_EQ(after.width(), before.width()) << c.written;
    }
}

TEST_F(WindowTest, SelectionsAndTextsReadAsTheControlsHoldThem) {
    EXPECT_EQ(selectionOf(Control::StartKeyCombo), -1);
    EXPECT_EQ(selectionOf(Control::ClickTypeCombo), 0);
    EXPECT_EQ(textOf(Control::XEdit), "");
    Text first = textOf(Control::IntervalEdit);
    first += "changed";
    EXPECT_EQ(textOf(Control::IntervalEdit), "10") << "a read is a copy";
}

TEST_F(WindowTest, MessageBoxMapsButtonsToResults) {
    struct Case {
        int button;
        MessageBoxResult result;
    };
    const Case cases[] = {{sim::kIdOk, 0},    {sim::kIdCancel, 1}, {sim::kIdAbort, 2},
                          {sim::kIdRetry, 3}, {sim::kIdIgnore, 4}, {sim::kIdYes, 5},
                          {sim::kIdNo, 6},    {0, 0},              {99, 0}};
    for (const Case c : cases) {
        answerBoxes({c.button});
        EXPECT_EQ(messageBox("x", boxStyle::YesNo), c.result) << c.button;
    }
    EXPECT_EQ(sim::messageBoxLog().back().title, "信息："_gbk);
    EXPECT_EQ(sim::messageBoxLog().back().style, 4100u);
}

TEST_F(WindowTest, AStyleWithoutSystemModalBecomesTaskModal) {
    messageBox("x", 0);
    EXPECT_EQ(sim::messageBoxLog().back().style, 0x2000u);
}

TEST_F(WindowTest, AFailedBoxCountsAsOk) {
    sim::failMessageBoxes(true);
    EXPECT_EQ(messageBox("x", boxStyle::YesNo), 0);
}

TEST_F(WindowTest, HandlersRunNestedWhileABoxIsOpen) {
    bool hiddenInsideTheBox = false;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        sim::pressKey(vk::F3);
        sim::runPending();
        hiddenInsideTheBox = !mainVisible();
        return sim::kIdOk;
    });
    clickControl(Control::HotkeysButton);
    EXPECT_TRUE(hiddenInsideTheBox);
    EXPECT_FALSE(mainVisible());
}

TEST_F(WindowTest, EscClosesTheWindowWithExitCodeZero) {
    press(vk::Escape);
    EXPECT_FALSE(sim::isWindow(handle(Control::MainWindow)));
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_EQ(sim::oleUninitializeCount(), 1);
}

TEST_F(WindowTest, EscWithAModifierDoesNotClose) {
    for (unsigned modifier : {hotkeyFlag::Shift, hotkeyFlag::Control}) {
        press(vk::Escape, modifier);
        EXPECT_TRUE(sim::isWindow(handle(Control::MainWindow))) << modifier;
    }
}

TEST_F(WindowTest, EscWithTheKeyListOpenClosesTheWholeWindow) {
    clickControl(Control::StartKeyCombo);
    ASSERT_TRUE(sim::comboDropped(handle(Control::StartKeyCombo)));
    press(vk::Escape);
    EXPECT_FALSE(sim::isWindow(handle(Control::MainWindow)));
    EXPECT_EQ(sim::quitCode(), 0);
}

TEST_F(WindowTest, CloseBoxAndAltF4EndTheLoopWithZero) {
    sim::clickCloseBox(handle(Control::MainWindow));
    sim::runPending();
    EXPECT_EQ(runMessageLoop(), 0);
    start();
    press(vk::F4 + 0, hotkeyFlag::Alt);
    EXPECT_EQ(sim::quitCode(), 0);
}

TEST_F(WindowTest, TabAndShiftTabMoveTheFocusAlongTheControls) {
    press(vk::Tab);
    EXPECT_EQ(focusedWindow(), handle(Control::ClickTypeCombo));
    press(vk::Tab);
    EXPECT_EQ(focusedWindow(), handle(Control::IntervalEdit));
    press(vk::Tab, hotkeyFlag::Shift);
    press(vk::Tab, hotkeyFlag::Shift);
    EXPECT_EQ(focusedWindow(), handle(Control::StartKeyCombo));
    press(vk::Tab, hotkeyFlag::Shift);
    EXPECT_EQ(focusedWindow(), handle(Control::UpdateTimeButton)) << "wraps to the last";
}

TEST_F(WindowTest, EditBoxesAcceptOnlyDigitsAndMinusWhenTyped) {
    replaceText(Control::IntervalEdit, "");
    typeInto(Control::IntervalEdit, "a.1-2 x");
    EXPECT_EQ(textOf(Control::IntervalEdit), "1-2");
    sim::paste(handle(Control::IntervalEdit), "abc");
    EXPECT_EQ(textOf(Control::IntervalEdit), "1-2abc") << "pasted text is not filtered";
    clickControl(Control::ScheduleAreaCheck);
    typeInto(Control::HourEdit, "123");
    EXPECT_EQ(textOf(Control::HourEdit), "12") << "at most two characters";
}

TEST_F(WindowTest, HoldingAHotkeyRunsItsActionOnce) {
    sim::holdKey(vk::F3, 5);
    sim::runPending();
    EXPECT_FALSE(mainVisible());
}

}  // namespace
