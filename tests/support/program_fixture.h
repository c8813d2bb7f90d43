// A fresh run of the program on a fresh simulated desktop, and the verbs that tests tell their
// stories with: choose a key, press it, let time pass, count the clicks.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string_view>

#include "app/controls.h"
#include "platform/sim/sim.h"

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program as a new process starts it, on a fresh desktop prepared by `prepare` (another
    // program holding a key, a screen size, a failure switch): start-up up to the shown window.
    void start(const std::function<void()>& prepare = {});

    static platform::Window handle(Control c) { return windowHandle(c); }

    void chooseStartKey(std::string_view keyText);
    void press(unsigned virtualKey, unsigned modifiers = 0);
    void advance(std::int64_t ms);
    void clickControl(Control c);
    void typeInto(Control c, const Text& text);
    void replaceText(Control c, const Text& text);

    // Runs the action; the exit code when the program ended inside it.
    static std::optional<int> exitCodeOf(const std::function<void()>& action);

    // Button events injected since the last clearInput, and the clicks they make.
    static int buttonDowns(unsigned flag);
    static int leftClicks() { return buttonDowns(platform::mouseFlag::LeftDown); }
    static int rightClicks() { return buttonDowns(platform::mouseFlag::RightDown); }
    static void clearInput() { sim::clearInputLog(); }

    // Message boxes answered in turn by the given button ids, then OK.
    static void answerBoxes(std::vector<int> buttons);
    static int boxesWithText(std::string_view text);

    static bool mainVisible();
};
