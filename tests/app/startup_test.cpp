// Start-up: the window as the description builds it, the creation handler, the failure path.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "app/window_description.h"
#include "clicker/timer_control.h"
#include "hotkeys/hotkey_registry.h"
#include "support/program_fixture.h"

namespace {

using platform::vk::F1;
using platform::vk::F3;

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, CreationHandlerSetsTheProgramWideIntegers) {
    EXPECT_EQ(showHideHotkeyId, 33001);
    EXPECT_EQ(captureHotkeyId, 33002);
    EXPECT_EQ(captureArmed, 1);
    EXPECT_EQ(unlockKeyPending, 1);
    EXPECT_EQ(lockConfirmed, 0);
    EXPECT_EQ(stopKeyPending, 1);
    EXPECT_EQ(unlockHotkeyId, 0);
    EXPECT_EQ(stopScheduleHotkeyId, 0);
    EXPECT_EQ(startStopHotkeyId, 0);
    EXPECT_EQ(clickArmed, 0);
    EXPECT_EQ(sim::hotkeyHolder(F3).holder, sim::Holder::ThisProgram);
    EXPECT_EQ(sim::hotkeyHolder(F1).holder, sim::Holder::ThisProgram);
    EXPECT_TRUE(sim::hotkeyHolder(F3).noRepeat);
}

TEST_F(StartupTest, ARefusedF3StoresZeroAndF1StillGetsTheSecondId) {
    start([] { ASSERT_TRUE(sim::otherProgramHolds(F3)); });
    EXPECT_EQ(showHideHotkeyId, 0);
    EXPECT_EQ(captureHotkeyId, 33002);
    press(F3);
    EXPECT_TRUE(mainVisible()) << "F3 belongs to the other program";
    EXPECT_EQ(sim::keysToOtherPrograms().size(), 1u);
}

TEST_F(StartupTest, WindowIsCentredWithItsDesignSize) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    for (const Case c : {Case{1920, 1080, 854, 447}, Case{1024, 768, 406, 291}}) {
        start([&] { sim::setScreenSize(c.screenWidth, c.screenHeight); });
        const platform::Rect outer = platform::windowRect(handle(Control::MainWindow));
        EXPECT_EQ(outer.left, c.left) << c.screenWidth;
        EXPECT_EQ(outer.top, c.top) << c.screenWidth;
        EXPECT_EQ(outer.width(), 211);
        EXPECT_EQ(outer.height(), 185);
    }
    EXPECT_TRUE(mainVisible());
    EXPECT_EQ(platform::getWindowText(handle(Control::MainWindow)), "云杉鼠标连点器"_gbk);
}

TEST_F(StartupTest, EveryControlHasItsParentRectTextAndVisibility) {
    for (const ControlRow& row : controlRows()) {
        const platform::Window w = handle(row.control);
        ASSERT_TRUE(sim::isWindow(w)) << controlIdOf(row.control);
        EXPECT_EQ(platform::parentOf(w), handle(row.parent)) << controlIdOf(row.control);
        EXPECT_EQ(platform::controlId(w), controlIdOf(row.control));
        if (row.kind == ControlKind::Timer) {
            EXPECT_FALSE(platform::isWindowVisible(w)) << controlIdOf(row.control);
            continue;
        }
        platform::Rect expected = row.rect;
        if (row.kind == ControlKind::DropDown) expected.bottom = expected.top + 160;
        const platform::Rect rect = sim::localRect(w);
        EXPECT_EQ(rect.left, expected.left) << controlIdOf(row.control);
        EXPECT_EQ(rect.top, expected.top) << controlIdOf(row.control);
        EXPECT_EQ(rect.width(), expected.width()) << controlIdOf(row.control);
        EXPECT_EQ(rect.height(), expected.height()) << controlIdOf(row.control);
        EXPECT_TRUE(platform::isWindowVisible(w)) << controlIdOf(row.control);
        if (row.kind != ControlKind::DropDown) {
            EXPECT_EQ(platform::getWindowText(w), row.content) << controlIdOf(row.control);
        }
    }
}

TEST_F(StartupTest, SiblingsStandInTableOrderTopFirst) {
    for (Control parent : {Control::MainWindow, Control::ScheduleGroup, Control::InstantGroup}) {
        std::vector<platform::Window> expected;
        for (const ControlRow& row : controlRows())
            if (row.parent == parent) expected.push_back(handle(row.control));
        EXPECT_EQ(sim::zOrder(handle(parent)), expected) << controlIdOf(parent);
    }
}

TEST_F(StartupTest, ControlsStartWithTheirSettings) {
    EXPECT_EQ(platform::focusedWindow(), handle(Control::StartKeyCombo));
    EXPECT_EQ(sim::comboItems(handle(Control::StartKeyCombo)).size(), 38u);
    EXPECT_EQ(sim::comboItems(handle(Control::StartKeyCombo)).front(), "A");
    EXPECT_EQ(sim::comboItems(handle(Control::StartKeyCombo)).back(), "F12");
    EXPECT_EQ(sim::comboItems(handle(Control::ClickTypeCombo)).size(), 4u);
    EXPECT_EQ(sim::editLimit(handle(Control::HourEdit)), 2u);
    EXPECT_EQ(sim::editLimit(handle(Control::SecondEdit)), 2u);
    EXPECT_EQ(sim::editLimit(handle(Control::IntervalEdit)), sim::kMaximumEditLimit);
    EXPECT_EQ(sim::cursorResource(handle(Control::ContactLink)), 1032);
    EXPECT_NE(sim::windowIcon(handle(Control::MainWindow), true), 0u);
    EXPECT_NE(sim::windowIcon(handle(Control::MainWindow), false), 0u);
    EXPECT_EQ(sim::oleInitializeCount(), 1);
    EXPECT_EQ(sim::currentDirectory(), Text("C:\\Program Files\\Spruce"));
}

TEST_F(StartupTest, OnlyTheClockTimerRunsFromTheStart) {
    EXPECT_EQ(periodOf(Control::ClockTimer), 1000);
    for (Control t : {Control::ClickTimer, Control::CaptureTimer, Control::PointClickTimer,
                      Control::ScheduleTimer})
        EXPECT_FALSE(sim::timer(handle(t), 1000).has_value()) << controlIdOf(t);
    ASSERT_TRUE(sim::timer(handle(Control::ClockTimer), 1000).has_value());
    EXPECT_EQ(sim::timer(handle(Control::ClockTimer), 1000)->period, 1000u);
}

TEST_F(StartupTest, AWindowThatCannotBeBuiltEndsThroughTheFatalErrorBox) {
    std::optional<int> code = exitCodeOf([&] { start([] { sim::failCreateWindowOfClass("EDIT"); }); });
    EXPECT_EQ(code, -1);
    ASSERT_EQ(sim::messageBoxLog().size(), 1u);
    const sim::MessageBoxCall& box = sim::messageBoxLog().front();
    EXPECT_EQ(box.text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"_gbk);
    EXPECT_EQ(box.title, "错误"_gbk);
    EXPECT_EQ(box.style, 16u);
    EXPECT_EQ(sim::oleUninitializeCount(), 1);
}

}  // namespace
