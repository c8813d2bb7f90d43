// The simulated desktop's state, shared by the sim's source files: windows, queue, timers,
// hotkeys, input and the logs that sim.h reads. One desktop per test process, reset per test.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim.h"

namespace sim::detail {

enum class Kind { Custom, Button, Edit, Combo };

// A device context of beginPaint or of a WM_CTLCOLOR* message.
struct DeviceContext {
    platform::Window window = nullptr;
    platform::Color textColor = 0;
    bool transparent = false;
    std::vector<PaintOp> ops;
};

}  // namespace sim::detail

struct platform::WindowTag {
    bool alive = true;
    std::string className;
    sim::detail::Kind kind = sim::detail::Kind::Custom;
    WindowProc proc = nullptr;
    int cursor = 0;
    Text text;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    Rect rect;  // relative to the parent's client area (screen for a top-level window)
    Window parent = nullptr;
    std::vector<Window> children;  // z-order, top first
    bool visible = false;
    bool topmost = false;
    int id = 0;
    // Painting.
    bool invalid = false;
    bool erase = false;
    int invalidations = 0;
    int paints = 0;
    std::vector<sim::PaintOp> lastPaint;
    std::uintptr_t font = 0, bigIcon = 0, smallIcon = 0;
    // BUTTON.
    int check = 0;
    bool spaceDown = false;
    // EDIT.
    unsigned limit = sim::kDefaultEditLimit;
    int pendingLeadByte = -1;
    // COMBOBOX.
    std::vector<Text> items;
    int selection = -1;
    bool dropped = false;
    int fieldHeight = sim::kDefaultComboItemHeight;
    int itemHeight = sim::kDefaultComboItemHeight;
};

namespace sim::detail {

// The keys that read as down while one input message is processed.
struct KeyState {
    unsigned virtualKey = 0;  // 0: none
    unsigned modifiers = 0;   // hotkeyFlag bits
};

struct Queued {
    platform::Message message;
    bool input = false;  // carries a key state (input messages and what translateMessage made)
    KeyState keys;
};

struct Timer {
    platform::Window window = nullptr;
    std::uintptr_t id = 0;
    unsigned period = 0;
    std::int64_t due = 0;
};

// A precise tick source of one window (platform::startPreciseTicks).
struct Ticker {
    platform::Window window = nullptr;
    unsigned period = 0;
    platform::TickPhase phase = platform::TickPhase::FromNow;
    std::int64_t due = 0;
    platform::WParam stamp = 0;
    bool pending = false;
};

struct Hotkey {
    unsigned modifiers = 0;  // without NoRepeat
    unsigned virtualKey = 0;
    Holder holder = Holder::None;
    platform::Window window = nullptr;
    int id = 0;
    bool noRepeat = false;
};

struct WindowClass {
    std::string name;
    platform::WindowProc proc = nullptr;
    int cursor = 0;
};

struct Desktop {
    // Windows. Handles stay valid (as dead windows) until reset, so a stale handle is safe.
    std::vector<std::unique_ptr<platform::WindowTag>> windows;
    std::vector<platform::Window> topLevel;  // z-order, top first
    std::vector<WindowClass> classes;
    int createCalls = 0;
    int created = 0;
    std::string failClass;
    int failNumber = 0;
    platform::Window focus = nullptr;
    platform::Window active = nullptr;
    platform::Window capture = nullptr;

    // Message loop and time.
    std::deque<Queued> posted;
    std::deque<Queued> input;
    bool quit = false;
    int quitCode = 0;
    std::optional<int> quitPosted;
    KeyState keys;
    MessageProcessor processor;
    std::vector<Timer> timers;
    std::vector<Ticker> tickers;
    platform::WParam lastTickStamp = 0;
    // runFor delivers only ticks due by its end time, so a handler slower than its timer's
    // period cannot keep it running for ever.
    std::optional<std::int64_t> tickHorizon;
    std::int64_t now = 0;
    std::int64_t wallAtZero = 0;  // wall clock (ms since 1970-01-01, local) at now() == 0

    // Keyboard.
    std::vector<Hotkey> hotkeys;
    std::vector<KeyPress> keysToOthers;

    // Pointer, screen and painting.
    platform::Point pointer{960, 540};
    std::vector<InputEvent> inputLog;
    bool failCursorPos = false;
    int screenWidth = 1920;
    int screenHeight = 1080;
    std::vector<std::unique_ptr<DeviceContext>> contexts;

    // Message boxes.
    std::vector<MessageBoxCall> boxes;
    int openBoxes = 0;
    std::function<int(const MessageBoxCall&)> answerer;
    bool failBoxes = false;

    // Shell, registry, process, libraries.
    std::intptr_t shellResult = 42;
    std::vector<Text> shellLog;
    std::vector<std::pair<Text, Text>> registry;
    std::vector<Text> registryLog;
    unsigned winExecResult = 33;
    std::vector<Text> winExecLog;
    int oleInits = 0;
    int oleUninits = 0;
    Text moduleFileName = "C:\\Program Files\\Spruce\\spruce-clicker.exe";
    std::optional<Text> currentDirectory;
    bool failLoadLibrary = false;
    bool hideWorkingSetProc = false;
    int loads = 0;
    int frees = 0;
    std::vector<WorkingSetCall> workingSetCalls;
};

Desktop& desktop();

bool alive(platform::Window window);
platform::WindowTag& data(platform::Window window);  // requires alive(window)
platform::Window topLevelOf(platform::Window window);
bool equalsIgnoringCase(const std::string& a, const std::string& b);
// Calls the window's current procedure (sendMessage without the alive check of the caller).
platform::LResult send(platform::Window window, unsigned message, platform::WParam wParam = 0,
                       platform::LParam lParam = 0);
// WM_COMMAND(MAKEWPARAM(id, code), window) to the parent, if it has one.
void notifyParent(platform::Window window, unsigned code);
// Marks the window and everything below it for a WM_PAINT.
void invalidateTree(platform::Window window);
// The system controls' procedures, by kind.
platform::WindowProc systemProc(Kind kind);
// Screen position of the window's client area.
platform::Point clientOriginOf(platform::Window window);
// Edit boxes: text appended as a paste (cut at the limit); combo boxes: the user's choice.
void pasteIntoEdit(platform::Window edit, const Text& text);
void chooseItem(platform::Window comboBox, int index);
// Focus moves of the model (with the messages of setFocus).
void moveFocusOutOf(platform::Window window);
// The focus and activation change that a message box makes when it opens and closes.
platform::Window focusToMessageBox();
void focusFromMessageBox(platform::Window previousActive);
// Fetches the next message as getMessage does: false when nothing can be fetched (idle or
// WM_QUIT pending, see desktop().quit).
bool fetch(platform::Message& message);
void postInput(platform::Message message, KeyState keys);
void killTimersOf(platform::Window window);  // thread timers and precise ticks
// Posts a tick for every precise tick source due by `latest` that has none pending, and moves
// each due source's deadline past `latest`.
void postDuePreciseTicks(std::int64_t latest);
std::optional<std::int64_t> nextPreciseDeadline();
// Milliseconds since 1970-01-01 of a local wall-clock time, and back.
std::int64_t wallMilliseconds(const WallTime& time);
WallTime wallTimeOf(std::int64_t milliseconds);
void releaseHotkeysOf(platform::Window window);

}  // namespace sim::detail
