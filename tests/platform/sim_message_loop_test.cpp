// The sim's message loop: order of posted messages, paints and ticks, WM_QUIT, the idle
// queue, translateMessage's characters, and a program-style loop run to its end.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;

class SimMessageLoop : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        window = topLevel();
        platform::showWindow(window, platform::show::Show);
        sim::runPending();  // the first paints
        clearReceived();
    }
    std::vector<unsigned> receivedKinds(std::initializer_list<unsigned> kinds) const {
        std::vector<unsigned> out;
        for (const Received& r : received())
            for (unsigned k : kinds)
                if (r.message == k) out.push_back(r.message);
        return out;
    }
    Window window = nullptr;
};

TEST_F(SimMessageLoop, PostedMessagesArriveInOrderBeforePaintsAndPaintsBeforeTicks) {
    platform::setTimer(window, 1, 10);
    sim::spendTime(10);
    platform::invalidateRect(window, false);
    platform::postMessage(window, msg::App + 1, 0, 0);
    platform::postMessage(window, msg::App + 2, 0, 0);
    sim::runPending();
    EXPECT_EQ(receivedKinds({msg::App + 1, msg::App + 2, msg::Paint, msg::Timer}),
              (std::vector<unsigned>{msg::App + 1, msg::App + 2, msg::Paint, msg::Timer}));
}

TEST_F(SimMessageLoop, HiddenWindowsAreNotPaintedUntilShown) {
    platform::showWindow(window, platform::show::Hide);
    platform::invalidateRect(window, true);
    sim::runPending();
    EXPECT_TRUE(messagesTo(window, msg::Paint).empty());
    platform::showWindow(window, platform::show::Show);
    sim::runPending();
    EXPECT_EQ(messagesTo(window, msg::Paint).size(), 1u);
    EXPECT_FALSE(sim::needsPaint(window));
}

TEST_F(SimMessageLoop, GetMessageThrowsIdleOnAnEmptyQueueInsteadOfBlocking) {
    platform::Message m;
    EXPECT_THROW(platform::getMessage(m), sim::Idle);
    platform::setTimer(window, 1, 10);
    EXPECT_THROW(platform::getMessage(m), sim::Idle);  // not due yet: the clock does not move
    sim::spendTime(10);
    ASSERT_TRUE(platform::getMessage(m));
    EXPECT_EQ(m.message, msg::Timer);
}

TEST_F(SimMessageLoop, QuitComesAfterThePostedMessagesWithItsExitCode) {
    platform::postMessage(window, msg::App, 0, 0);
    platform::postQuitMessage(3);
    platform::setFocus(window);
    sim::pressKey('A');  // queued input waits behind WM_QUIT
    platform::Message m;
    ASSERT_TRUE(platform::getMessage(m));
    EXPECT_EQ(m.message, msg::App);
    EXPECT_FALSE(platform::getMessage(m));
    EXPECT_EQ(m.message, msg::Quit);
    EXPECT_EQ(m.wParam, 3u);
    EXPECT_FALSE(sim::quitPending());
    EXPECT_EQ(sim::quitCode(), 3);
}

TEST_F(SimMessageLoop, RunPendingAndRunForStopAtQuitAndLeaveItQueued) {
    platform::setTimer(window, 1, 10);
    platform::postQuitMessage(0);
    sim::runFor(100);
    EXPECT_TRUE(messagesTo(window, msg::Timer).empty());
    EXPECT_TRUE(sim::quitPending());
    EXPECT_EQ(sim::now(), 100);
}

TEST_F(SimMessageLoop, AProgramLoopRunsToItsEndAfterTheWindowIsClosed) {
    reaction() = [](const Received& r, LResult&) {
        if (r.message == msg::Destroy) platform::postQuitMessage(0);
        return false;
    };
    platform::setTimer(window, 1, 10);
    sim::runFor(25);
    sim::clickCloseBox(window);
    EXPECT_FALSE(sim::isWindow(window));
    platform::Message m;
    int processed = 0;
    while (platform::getMessage(m)) ++processed;
    EXPECT_EQ(m.message, msg::Quit);
    EXPECT_EQ(m.wParam, 0u);
    EXPECT_EQ(processed, 0);  // the timer died with the window
    // The close went SysCommand -> Close -> destroy, each through the window's procedure.
    EXPECT_EQ(messagesTo(window, msg::SysCommand).size(), 1u);
    EXPECT_EQ(messagesTo(window, msg::Close).size(), 1u);
    EXPECT_EQ(messagesTo(window, msg::Destroy).size(), 1u);
}

TEST_F(SimMessageLoop, TranslateMessagePostsTheCharacterOfAKeyDown) {
    struct Case {
        unsigned key;
        unsigned modifiers;
        unsigned character;  // 0: none
    };
    using platform::hotkeyFlag::Alt;
    using platform::hotkeyFlag::Control;
    using platform::hotkeyFlag::Shift;
    const Case cases[] = {
        {'A', 0, 'a'},       {'A', Shift, 'A'}, {'V', Control, 0x16}, {'A', Alt, 0},
        {'7', 0, '7'},       {'1', Shift, '!'}, {0x63, 0, '3'},       {0xBD, 0, '-'},
        {0x6D, 0, '-'},      {0x08, 0, 0x08},   {platform::vk::Escape, 0, 0x1B},
        {platform::vk::F1, 0, 0},               {platform::vk::Up, 0, 0},
    };
    platform::setFocus(window);
    for (const Case& c : cases) {
        clearReceived();
        sim::pressKey(c.key, c.modifiers);
        sim::runPending();
        const auto chars = messagesTo(window, msg::Char);
        if (c.character == 0) {
            EXPECT_TRUE(chars.empty()) << "key " << c.key << " mods " << c.modifiers;
        } else {
            ASSERT_EQ(chars.size(), 1u) << "key " << c.key << " mods " << c.modifiers;
            EXPECT_EQ(chars[0].wParam, c.character) << "key " << c.key << " mods " << c.modifiers;
        }
    }
}

TEST_F(SimMessageLoop, TheCharacterComesBeforeTheKeyUpAndNoneWithoutTranslation) {
    platform::setFocus(window);
    sim::pressKey('B');
    sim::runPending();
    EXPECT_EQ(receivedKinds({msg::KeyDown, msg::Char, msg::KeyUp}),
              (std::vector<unsigned>{msg::KeyDown, msg::Char, msg::KeyUp}));
    clearReceived();
    sim::setMessageProcessor([](const platform::Message& m) { platform::dispatchMessage(m); });
    sim::pressKey('B');
    sim::runPending();
    EXPECT_EQ(receivedKinds({msg::KeyDown, msg::Char, msg::KeyUp}),
              (std::vector<unsigned>{msg::KeyDown, msg::KeyUp}));
}

TEST_F(SimMessageLoop, AWindowThatNeverValidatesIsReportedAsRunaway) {
    reaction() = [](const Received& r, LResult& result) {
        result = 0;
        return r.message == msg::Paint;  // answers WM_PAINT without beginPaint
    };
    platform::invalidateRect(window, false);
    EXPECT_THROW(sim::runPending(), sim::Runaway);
}

TEST_F(SimMessageLoop, MessagesPostedToADestroyedWindowAreFetchedButGoNowhere) {
    Window gone = child(window, kRecorder, 0, 1);
    platform::postMessage(gone, msg::App, 0, 0);
    platform::destroyWindow(gone);
    EXPECT_FALSE(platform::postMessage(gone, msg::App, 0, 0));
    clearReceived();
    sim::runPending();
    EXPECT_TRUE(messagesTo(gone, msg::App).empty());
    EXPECT_EQ(platform::sendMessage(gone, msg::App, 0, 0), 0);
}

}  // namespace
