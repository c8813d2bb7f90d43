// The sim's system-wide hotkeys and keyboard: conflicts with this and other programs, release,
// WM_HOTKEY contents, auto-repeat with and without NoRepeat, keys to the focused window with
// their key state, and keys that end in other programs.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;
using platform::hotkeyFlag::Alt;
using platform::hotkeyFlag::Control;
using platform::hotkeyFlag::NoRepeat;
using platform::hotkeyFlag::Shift;
using platform::vk::F3;

class SimHotkeys : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        window = topLevel();
        platform::showWindow(window, platform::show::Show);
        sim::runPending();
        clearReceived();
    }
    std::size_t hotkeysReceived() const { return messagesTo(window, msg::Hotkey).size(); }
    Window window = nullptr;
};

TEST_F(SimHotkeys, ACombinationIsRefusedWhileAnyoneHoldsItAndFreeAgainAfterRelease) {
    ASSERT_TRUE(platform::registerHotKey(window, 33001, 0, F3));
    EXPECT_FALSE(platform::registerHotKey(window, 33002, 0, F3));  // this program, other id
    EXPECT_FALSE(platform::registerHotKey(window, 33003, NoRepeat, F3));  // NoRepeat is no modifier
    EXPECT_TRUE(platform::registerHotKey(window, 33004, Shift, F3));  // another combination
    const sim::HotkeyHolder holder = sim::hotkeyHolder(F3);
    EXPECT_EQ(holder.holder, sim::Holder::ThisProgram);
    EXPECT_EQ(holder.window, window);
    EXPECT_EQ(holder.id, 33001);

    EXPECT_TRUE(sim::otherProgramHolds('Q'));
    EXPECT_FALSE(platform::registerHotKey(window, 33005, 0, 'Q'));
    EXPECT_EQ(sim::hotkeyHolder('Q').holder, sim::Holder::OtherProgram);
    EXPECT_FALSE(sim::otherProgramHolds(F3));  // ours already

    EXPECT_TRUE(sim::otherProgramReleases('Q'));
    EXPECT_FALSE(sim::otherProgramReleases('Q'));
    EXPECT_TRUE(platform::registerHotKey(window, 33006, 0, 'Q'));

    EXPECT_FALSE(platform::unregisterHotKey(window, 33002));  // never registered
    EXPECT_TRUE(platform::unregisterHotKey(window, 33001));
    EXPECT_EQ(sim::hotkeyHolder(F3).holder, sim::Holder::None);
    EXPECT_TRUE(platform::registerHotKey(window, 33007, 0, F3));
}

TEST_F(SimHotkeys, APressPostsWmHotkeyWithIdModifiersAndKeyToTheRegisteringWindow) {
    Window focused = child(window, "EDIT", 0, 9);
    platform::setFocus(focused);
    ASSERT_TRUE(platform::registerHotKey(window, 33001, Control | Shift, 'K'));
    sim::pressKey('K', Control | Shift);
    EXPECT_EQ(hotkeysReceived(), 0u);  // queued until the loop runs
    sim::runPending();
    const auto hotkeys = messagesTo(window, msg::Hotkey);
    ASSERT_EQ(hotkeys.size(), 1u);
    EXPECT_EQ(hotkeys[0].wParam, 33001u);
    EXPECT_EQ(hotkeys[0].lParam, static_cast<LParam>((Control | Shift) | ('K' << 16)));
    EXPECT_TRUE(messagesTo(focused, msg::KeyDown).empty());  // the key is taken from everyone
    EXPECT_TRUE(sim::keysToOtherPrograms().empty());
}

TEST_F(SimHotkeys, HotkeysArriveWhileTheWindowIsHiddenOrAnotherProgramIsInFront) {
    ASSERT_TRUE(platform::registerHotKey(window, 1, 0, F3));
    platform::showWindow(window, platform::show::Hide);
    sim::pressKey(F3);
    sim::focusOtherProgram();
    sim::pressKey(F3);
    sim::runPending();
    EXPECT_EQ(hotkeysReceived(), 2u);
}

TEST_F(SimHotkeys, AnotherProgramsHotkeyNeverReachesUs) {
    platform::setFocus(window);
    sim::otherProgramHolds(F3);
    sim::pressKey(F3);
    sim::runPending();
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(sim::keysToOtherPrograms().size(), 1u);
    EXPECT_EQ(sim::keysToOtherPrograms()[0].virtualKey, F3);
}

TEST_F(SimHotkeys, HoldingAKeyRepeatsItsHotkeyUnlessRegisteredWithNoRepeat) {
    struct Case {
        unsigned flags;
        std::size_t expected;
    };
    for (const Case c : {Case{0, 4}, Case{NoRepeat, 1}}) {
        SetUp();
        ASSERT_TRUE(platform::registerHotKey(window, 7, c.flags, 'R'));
        sim::holdKey('R', 4);
        sim::runPending();
        EXPECT_EQ(hotkeysReceived(), c.expected) << "flags " << c.flags;
    }
}

TEST_F(SimHotkeys, OtherKeysGoToTheFocusedWindowWithTheirKeyState) {
    Window edit = child(window, kRecorder, 0, 9);
    platform::setFocus(edit);
    struct Seen {
        bool key, shift, control, alt;
    };
    std::vector<Seen> atKeyDown, atKeyUp;
    reaction() = [&](const Received& r, LResult&) {
        const Seen now{platform::keyIsDown('M'), platform::keyIsDown(platform::vk::Shift),
                       platform::keyIsDown(platform::vk::Control),
                       platform::keyIsDown(platform::vk::Menu)};
        if (r.message == msg::KeyDown) atKeyDown.push_back(now);
        if (r.message == msg::KeyUp) atKeyUp.push_back(now);
        return false;
    };
    sim::pressKey('M', Shift);
    sim::runPending();
    ASSERT_EQ(atKeyDown.size(), 1u);
    EXPECT_TRUE(atKeyDown[0].key);
    EXPECT_TRUE(atKeyDown[0].shift);
    EXPECT_FALSE(atKeyDown[0].control);
    EXPECT_FALSE(atKeyDown[0].alt);
    ASSERT_EQ(atKeyUp.size(), 1u);
    EXPECT_FALSE(atKeyUp[0].key);
    EXPECT_FALSE(atKeyUp[0].shift);
    EXPECT_TRUE(messagesTo(window, msg::KeyDown).empty());
}

TEST_F(SimHotkeys, HoldingAnOrdinaryKeyRepeatsKeyDownsWithTheRepeatBit) {
    platform::setFocus(window);
    sim::holdKey('D', 3);
    sim::runPending();
    const auto downs = messagesTo(window, msg::KeyDown);
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_FALSE(downs[0].lParam & (1 << 30));
    EXPECT_TRUE(downs[1].lParam & (1 << 30));
    EXPECT_EQ(messagesTo(window, msg::KeyUp).size(), 1u);
    EXPECT_EQ(messagesTo(window, msg::Char).size(), 3u);
}

TEST_F(SimHotkeys, AltF4ClosesTheTopLevelWindowThroughDefWindowProc) {
    Window button = child(window, "BUTTON", 0, 3);
    platform::setFocus(button);
    sim::pressKey(platform::vk::F4, Alt);
    sim::runPending();
    EXPECT_FALSE(sim::isWindow(window));
    EXPECT_EQ(messagesTo(window, msg::Close).size(), 1u);
}

TEST_F(SimHotkeys, KeysWithoutAFocusedWindowOfOursGoToTheProgramInFront) {
    sim::focusOtherProgram();
    EXPECT_EQ(messagesTo(window, msg::KillFocus).size(), 1u);
    clearReceived();
    sim::pressKey('Z');
    sim::runPending();
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(sim::keysToOtherPrograms().size(), 1u);
    EXPECT_EQ(sim::keysToOtherPrograms()[0].virtualKey, static_cast<unsigned>('Z'));
}

TEST_F(SimHotkeys, DestroyingTheRegisteringWindowReleasesItsHotkeys) {
    Window owner = child(window, kRecorder, 0, 1);
    ASSERT_TRUE(platform::registerHotKey(owner, 1, 0, F3));
    platform::destroyWindow(owner);
    EXPECT_EQ(sim::hotkeyHolder(F3).holder, sim::Holder::None);
}

}  // namespace
