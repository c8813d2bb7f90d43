// The sim's keyboard focus (notifications, hiding, destruction, activation) and message boxes
// (nested loop that bypasses the program's message routine, nesting depth, focus, failure).
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;

class SimFocus : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        main = topLevel();
        first = child(main, kRecorder, 0, 1);
        second = child(main, kRecorder, 0, 2);
        clearReceived();
    }
    Window main = nullptr, first = nullptr, second = nullptr;
};

TEST_F(SimFocus, SetFocusTellsTheOldWindowFirstWithTheFocusAlreadyMoved) {
    EXPECT_EQ(platform::setFocus(first), nullptr);
    Window focusDuringKill = nullptr;
    reaction() = [&](const Received& r, LResult&) {
        if (r.message == msg::KillFocus) focusDuringKill = platform::focusedWindow();
        return false;
    };
    clearReceived();
    EXPECT_EQ(platform::setFocus(second), first);
    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[0].window, first);
    EXPECT_EQ(received()[0].message, msg::KillFocus);
    EXPECT_EQ(received()[0].wParam, reinterpret_cast<WParam>(second));
    EXPECT_EQ(received()[1].window, second);
    EXPECT_EQ(received()[1].message, msg::SetFocus);
    EXPECT_EQ(received()[1].wParam, reinterpret_cast<WParam>(first));
    EXPECT_EQ(focusDuringKill, second);
    clearReceived();
    EXPECT_EQ(platform::setFocus(second), second);  // no change, no messages
    EXPECT_TRUE(received().empty());
}

TEST_F(SimFocus, HidingMovesTheFocusToTheParentOrAwayFromATopLevelWindow) {
    platform::setFocus(first);
    platform::showWindow(first, platform::show::Hide);
    EXPECT_EQ(platform::focusedWindow(), main);
    platform::setFocus(second);
    platform::showWindow(main, platform::show::Hide);
    EXPECT_EQ(platform::focusedWindow(), nullptr);
    EXPECT_EQ(messagesTo(second, msg::KillFocus).size(), 1u);
    EXPECT_EQ(sim::activeWindow(), nullptr);
}

TEST_F(SimFocus, ShowingAnInactiveWindowActivatesItAndFocusesItUnlessTheFocusIsInside) {
    platform::setFocus(second);  // focusing a control of a hidden window makes it active
    EXPECT_EQ(sim::activeWindow(), main);
    platform::showWindow(main, platform::show::Show);
    EXPECT_EQ(platform::focusedWindow(), second);

    sim::focusOtherProgram();
    platform::showWindow(main, platform::show::Hide);
    platform::showWindow(main, platform::show::ShowNa);
    EXPECT_EQ(sim::activeWindow(), nullptr);
    platform::showWindow(main, platform::show::Show);
    EXPECT_EQ(sim::activeWindow(), main);
    EXPECT_EQ(platform::focusedWindow(), main);
}

TEST_F(SimFocus, DestroyingTheFocusedWindowSendsKillFocusBeforeDestroy) {
    platform::setFocus(first);
    clearReceived();
    platform::destroyWindow(first);
    ASSERT_GE(received().size(), 2u);
    EXPECT_EQ(received()[0].message, msg::KillFocus);
    EXPECT_EQ(platform::focusedWindow(), main);
}

class SimMessageBoxes : public SimFocus {
protected:
    void SetUp() override {
        SimFocus::SetUp();
        platform::showWindow(main, platform::show::Show);
        sim::runPending();
        sim::setMessageProcessor([this](const platform::Message& m) {
            ++processed;
            platform::translateMessage(m);
            platform::dispatchMessage(m);
        });
        clearReceived();
    }
    int processed = 0;
};

TEST_F(SimMessageBoxes, TheDefaultAnswerIsOkAndEveryBoxIsLogged) {
    sim::runFor(7);
    EXPECT_EQ(platform::messageBox("text", "title", 0x1004), sim::kIdOk);
    ASSERT_EQ(sim::messageBoxLog().size(), 1u);
    const sim::MessageBoxCall& call = sim::messageBoxLog()[0];
    EXPECT_EQ(call.text, "text");
    EXPECT_EQ(call.title, "title");
    EXPECT_EQ(call.style, 0x1004u);
    EXPECT_EQ(call.time, 7);
    EXPECT_EQ(call.depth, 1);
    EXPECT_EQ(call.result, sim::kIdOk);
    EXPECT_EQ(sim::openMessageBoxes(), 0);
}

TEST_F(SimMessageBoxes, TheBoxLoopDispatchesTicksAndHotkeysDirectlyNotThroughTheProcessor) {
    platform::setTimer(first, 1, 10);
    ASSERT_TRUE(platform::registerHotKey(main, 5, 0, platform::vk::F3));
    int openDuringTick = -1;
    reaction() = [&](const Received& r, LResult&) {
        if (r.message == msg::Timer) openDuringTick = sim::openMessageBoxes();
        return false;
    };
    sim::answerMessageBoxes([](const sim::MessageBoxCall&) {
        sim::runFor(30);
        sim::pressKey(platform::vk::F3);
        sim::runPending();
        return sim::kIdYes;
    });
    EXPECT_EQ(platform::messageBox("?", "", 0x1004), sim::kIdYes);
    EXPECT_EQ(messagesTo(first, msg::Timer).size(), 3u);
    EXPECT_EQ(messagesTo(main, msg::Hotkey).size(), 1u);
    EXPECT_EQ(openDuringTick, 1);
    EXPECT_EQ(processed, 0);
    sim::runFor(10);  // after the box the program's routine is back
    EXPECT_EQ(processed, 1);
}

TEST_F(SimMessageBoxes, BoxesNestInsideHandlersThatTheBoxLoopRuns) {
    platform::setTimer(first, 1, 10);
    reaction() = [&](const Received& r, LResult&) {
        if (r.message == msg::Timer && sim::messageBoxLog().size() == 1)
            platform::messageBox("inner", "", 0x1000);
        return false;
    };
    std::vector<int> openSeen;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall& call) {
        openSeen.push_back(sim::openMessageBoxes());
        if (call.text == "outer") sim::runFor(10);
        return call.text == "outer" ? sim::kIdNo : sim::kIdOk;
    });
    EXPECT_EQ(platform::messageBox("outer", "", 0x1000), sim::kIdNo);
    ASSERT_EQ(sim::messageBoxLog().size(), 2u);
    EXPECT_EQ(sim::messageBoxLog()[1].depth, 2);
    EXPECT_EQ(sim::messageBoxLog()[0].result, sim::kIdNo);
    EXPECT_EQ(openSeen, (std::vector<int>{1, 2}));
    EXPECT_EQ(sim::openMessageBoxes(), 0);
}

TEST_F(SimMessageBoxes, ABoxTakesTheFocusAndGivesItBackToTheTopLevelWindow) {
    Window edit = child(main, "EDIT", 0, 9);
    platform::setFocus(edit);
    clearReceived();
    Window focusInBox = edit;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        focusInBox = platform::focusedWindow();
        return sim::kIdOk;
    });
    platform::messageBox("x", "", 0x1000);
    EXPECT_EQ(focusInBox, nullptr);
    EXPECT_EQ(commandCodesTo(main), (std::vector<unsigned>{platform::notify::EditKillFocus}));
    EXPECT_EQ(platform::focusedWindow(), main);
}

TEST_F(SimMessageBoxes, KeysThatAreNoHotkeysGoToTheBox) {
    platform::setFocus(first);
    sim::answerMessageBoxes([](const sim::MessageBoxCall&) {
        sim::pressKey('A');
        sim::runPending();
        return sim::kIdOk;
    });
    platform::messageBox("x", "", 0x1000);
    sim::runPending();
    for (Window w : {main, first, second}) EXPECT_TRUE(messagesTo(w, msg::KeyDown).empty());
}

TEST_F(SimMessageBoxes, AFailingBoxReturnsZeroWithoutAsking) {
    sim::failMessageBoxes(true);
    bool asked = false;
    sim::answerMessageBoxes([&](const sim::MessageBoxCall&) {
        asked = true;
        return sim::kIdYes;
    });
    EXPECT_EQ(platform::messageBox("x", "", 0x1000), 0);
    EXPECT_FALSE(asked);
    EXPECT_EQ(sim::messageBoxLog().size(), 1u);
}

}  // namespace
