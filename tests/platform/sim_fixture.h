// Shared pieces of the simulated desktop's own tests: a fresh desktop per test and a window
// class whose windows record every message they receive.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim.h"

namespace simtest {

using platform::LParam;
using platform::LResult;
using platform::Rect;
using platform::Window;
using platform::WParam;

struct Received {
    Window window = nullptr;
    unsigned message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

inline std::vector<Received>& received() {
    static std::vector<Received> log;
    return log;
}

// A test's own handling of a recorded message: returns true when it answered it.
using Reaction = std::function<bool(const Received&, LResult&)>;
inline Reaction& reaction() {
    static Reaction r;
    return r;
}

inline LResult PLATFORM_WINAPI recordingProc(Window window, unsigned message, WParam wParam,
                                             LParam lParam) {
    const Received r{window, message, wParam, lParam};
    received().push_back(r);
    LResult result = 0;
    if (reaction() && reaction()(r, result)) return result;
    return platform::defWindowProc(window, message, wParam, lParam);
}

inline constexpr const char* kRecorder = "SimTestRecorder";
inline constexpr std::uint32_t kFrame =
    platform::style::Caption | platform::style::SysMenu | platform::style::MinimizeBox;
inline constexpr std::uint32_t kChild = platform::style::Child | platform::style::Visible;

inline unsigned commandCode(const Received& r) { return static_cast<unsigned>(r.wParam >> 16); }
inline int commandId(const Received& r) { return static_cast<int>(r.wParam & 0xFFFF); }

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::reset();
        received().clear();
        reaction() = nullptr;
        platform::registerClass(kRecorder, recordingProc, 0);
    }
    void TearDown() override {
        reaction() = nullptr;
        sim::reset();
    }

    static Window topLevel(Rect rect = {100, 100, 311, 285}, std::uint32_t style = kFrame) {
        return platform::createWindow(kRecorder, "main", style, 0, rect, nullptr, 0);
    }
    static Window child(Window parent, const char* className, std::uint32_t style, int id,
                        Rect rect = {10, 10, 60, 30}, const Text& text = "") {
        return platform::createWindow(className, text, kChild | style, 0, rect, parent, id);
    }

    // The messages of one kind that a window received, in order.
    static std::vector<Received> messagesTo(Window window, unsigned message) {
        std::vector<Received> out;
        for (const Received& r : received())
            if (r.window == window && r.message == message) out.push_back(r);
        return out;
    }
    static std::vector<unsigned> commandCodesTo(Window window) {
        std::vector<unsigned> codes;
        for (const Received& r : messagesTo(window, platform::msg::Command))
            codes.push_back(commandCode(r));
        return codes;
    }
    static void clearReceived() { received().clear(); }
};

}  // namespace simtest
