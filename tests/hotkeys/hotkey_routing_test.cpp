// Hotkey ids, forwarding to the receiver and the dispatcher's table.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "clicker/timer_control.h"
#include "hotkeys/hotkey_registry.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

class HotkeyRoutingTest : public ProgramTest {
protected:
    void postHotkey(WParam id) {
        postMessage(handle(Control::MainWindow), msg::Hotkey, id, 0);
        sim::runPending();
    }
};

TEST_F(HotkeyRoutingTest, OnlyIssuedIdsAreForwarded) {
    // Id 33001 is F3's: a forwarded press flips the window's visibility.
    postHotkey(33001);
    EXPECT_FALSE(mainVisible());
    for (WParam unissued : {WParam{33000}, WParam{33003}, WParam{0}, static_cast<WParam>(-2)}) {
        postHotkey(unissued);
        EXPECT_FALSE(mainVisible()) << unissued;
    }
}

TEST_F(HotkeyRoutingTest, IdsCountEveryRegistrationAlsoRefusedOnes) {
    const HotkeyId refused = registerHotkey(handle(Control::MainWindow),
                                            handle(Control::HotkeyLabel), 0, vk::F3);
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(lastIssuedHotkeyId(), 33003);
    ASSERT_TRUE(sim::otherProgramHolds('Q'));
    EXPECT_EQ(registerHotkey(handle(Control::MainWindow), handle(Control::HotkeyLabel), 0, 'Q'), 0);
    EXPECT_EQ(registerHotkey(handle(Control::MainWindow), handle(Control::HotkeyLabel), 0, 'W'),
              33005);
}

TEST_F(HotkeyRoutingTest, ModifierCodesTranslateToSystemFlags) {
    struct Case {
        std::int32_t code;
        unsigned flags;
    };
    namespace f = hotkeyFlag;
    const Case cases[] = {{1, f::Control},          {2, f::Shift},          {3, f::Control | f::Shift},
                          {4, f::Alt},              {5, f::Alt | f::Control}, {6, f::Alt | f::Shift},
                          {0, 0}};
    unsigned key = 'A';
    for (const Case c : cases) {
        ASSERT_NE(registerHotkey(handle(Control::MainWindow), handle(Control::HotkeyLabel), c.code,
                                 static_cast<std::int32_t>(key)),
                  0);
        EXPECT_EQ(sim::hotkeyHolder(key, c.flags).holder, sim::Holder::ThisProgram) << c.code;
        ++key;
    }
}

TEST_F(HotkeyRoutingTest, EachStoredIdRunsItsOwnAction) {
    press(vk::F1);
    EXPECT_EQ(periodOf(Control::CaptureTimer), 10) << "F1 starts the capture";
    EXPECT_TRUE(mainVisible()) << "and nothing else";
    press(vk::F3);
    EXPECT_FALSE(mainVisible());
    EXPECT_EQ(periodOf(Control::CaptureTimer), 10);
    press(vk::F3);
    EXPECT_TRUE(mainVisible());
}

TEST_F(HotkeyRoutingTest, HotkeysKeepWorkingWhileTheWindowIsHiddenOrInTheBackground) {
    sim::focusOtherProgram();
    press(vk::F3);
    EXPECT_FALSE(mainVisible());
    press(vk::F3);
    EXPECT_TRUE(mainVisible());
}

}  // namespace
