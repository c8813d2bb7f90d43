// Control interface of the simulated desktop: what a test does as the user, as another program
// or as the passing of time, and what it reads back. The sim implements platform.h natively so
// that the program's own window procedures and handlers run unchanged; everything here is for
// tests only and program code never includes it.
//
// Model, in the points where the program depends on Windows:
// - One thread, one queue. getMessage takes posted messages first (FIFO), then WM_QUIT once
//   the posted messages are gone, then queued input (keys), then one WM_PAINT for a visible
//   window marked invalid, then one WM_TIMER of a due timer (the one due earliest). Timers and
//   paints are low priority and never queue up: a timer that fell due several times while the
//   program was busy gives one WM_TIMER, and its next due time keeps its phase (the first
//   multiple of the period after now). Precise ticks (platform::startPreciseTicks) are posted
//   messages instead: at each fetch, every precise source whose deadline has passed posts its
//   tick unless one is still pending, and its deadline moves past now on its grid.
// - getMessage never blocks: on an idle queue (nothing posted, no input, no paint, no timer due
//   at the current virtual time) it throws sim::Idle. So `while (getMessage(m)) process(m);`
//   run by a test ends normally once the program has posted WM_QUIT (for example after
//   clickCloseBox + runPending, which leave the WM_QUIT waiting), and throws Idle otherwise.
// - runFor/runPending are the message loop of a test: they fetch as getMessage does and hand
//   each message to the message processor (default: translateMessage + dispatchMessage). While
//   a message box is open they dispatch directly (translate + dispatch), as the box's own loop
//   does, never through the processor. Both stop delivering when WM_QUIT is pending and leave
//   it queued (runFor still moves the clock to its end).
// - Sent messages (sendMessage, and every user action below except keys) run the window
//   procedure at once, nested. Keys are queued input, delivered by runPending/runFor, because
//   the program's message loop looks at key messages before dispatching them.
// - Window destruction sends WM_DESTROY parent first, then to its children (top of the z-order
//   first), then WM_NCDESTROY children first, like Windows. It kills the windows' timers,
//   releases their hotkeys (as Wine does) and the capture, and moves the focus out of them
//   first: to the parent for a child window, to no window for a top-level one.
// - Focus: setFocus sends WM_KILLFOCUS to the old window (the focus has already moved, as on
//   Windows), then WM_SETFOCUS to the new one, and makes the new window's top-level window the
//   active one. Hiding a window that holds the focus moves it to the parent (a child) or to no
//   window (a top-level one); showWindow(Show) of a top-level window that is not active
//   activates it and, unless the focus is already inside it, focuses the window itself.
// - Notifications of the system controls to their parent, WM_COMMAND(MAKEWPARAM(id, code),
//   hwnd): BUTTON BN_CLICKED (0) after a click (an auto check box toggles first; a group box
//   never notifies); EDIT EN_SETFOCUS 0x100, EN_KILLFOCUS 0x200, EN_UPDATE 0x400 then
//   EN_CHANGE 0x300 after each change of the text (typing, paste, WM_SETTEXT), EN_MAXTEXT 0x501
//   when a typed character is refused by the limit; COMBOBOX CBN_SETFOCUS 3, CBN_KILLFOCUS 4,
//   CBN_DROPDOWN 7 when the list opens, and for a chosen item CBN_SELENDOK 9, CBN_CLOSEUP 8,
//   CBN_SELCHANGE 1 in this order. On Windows CBN_SELENDOK can come while the box still shows
//   the old item; here the selection (CB_GETCURSEL and the box's text) is already the new one.
//   The system controls handle no WM_COMMAND of their own children, so controls inside a group
//   box notify the group box, as on Windows.
// - Edit boxes: the caret is always at the end. WM_CHAR of a byte >= 32 appends it (a GBK lead
//   byte waits for its trail byte; the pair counts as one character for the limit), 0x08
//   removes the last character, other control characters are ignored. EM_LIMITTEXT 0 gives
//   0x7FFFFFFE; before any EM_LIMITTEXT the limit is 32767. WM_SETTEXT ignores the limit.
// - Combo boxes: Up/Down keys move the selection (CBN_SELCHANGE only), F4 opens or closes the
//   list. Losing the focus closes an open list (CBN_CLOSEUP).
// - translateMessage turns WM_KEYDOWN into a posted WM_CHAR for letters (lower case, upper with
//   Shift, control codes 1..26 with Ctrl), digits and the digit pad, minus (VK_OEM_MINUS and
//   VK_SUBTRACT), space, Backspace, Tab, Enter and Esc. Nothing with Alt.
// - keyIsDown reports the keys of the input message being processed: while a WM_KEYDOWN (and
//   the WM_CHAR made from it, and a WM_HOTKEY) of pressKey is handled, the key and the given
//   modifiers are down; from its WM_KEYUP on no key is down.
// - Alt+F4 reaches defWindowProc as WM_SYSKEYDOWN, which posts WM_SYSCOMMAND(SC_CLOSE) to the
//   top-level window; defWindowProc turns SC_CLOSE into WM_CLOSE and WM_CLOSE into
//   destroyWindow.
// - Frame: a top-level window with WS_CAPTION has 3 px borders and a 20 px caption (kFrame*);
//   child windows' client area is their outer rectangle.
// - Message boxes run a nested loop: the answerer is called inside the box. Opening a box takes
//   the keyboard focus away from the program's windows (WM_KILLFOCUS); closing it gives the
//   focus to the top-level window that was active before, if it still exists and is visible
//   (the window itself, not the control that had the focus, as for a plain Windows window).
//   While a box is open, keys that are not hotkeys go to the box and reach no window of ours.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sim {

// ---- Desktop lifecycle ---------------------------------------------------------------------

// A fresh desktop: no windows, classes, timers, hotkeys, queue or logs; clock at the default
// wall-clock time; every failure switch off; default answers and processor.
void reset();

// Thrown by platform::getMessage when nothing can be fetched without waiting.
struct Idle {};
// Thrown by platform::exitProcess.
struct ProcessExit {
    int exitCode = 0;
};
// Thrown by runPending/runFor when the program keeps producing messages without end (for
// example a WM_PAINT handler that never validates its window).
struct Runaway : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Thrown by a user action on a window the user cannot reach: not existing, hidden (itself or an
// ancestor) or lying wholly outside an ancestor's client area.
struct NotClickable : std::logic_error {
    using std::logic_error::logic_error;
};

constexpr int kFrameBorder = 3;     // px, each side of a top-level window with a caption
constexpr int kCaptionHeight = 20;  // px, below the top border
constexpr unsigned kTimerMinimum = 10;        // USER_TIMER_MINIMUM, ms
constexpr int kDefaultComboItemHeight = 16;   // list items and the selection field
constexpr unsigned kDefaultEditLimit = 32767;
constexpr unsigned kMaximumEditLimit = 0x7FFFFFFE;  // what EM_LIMITTEXT 0 gives
constexpr unsigned kScClose = 0xF060;               // WM_SYSCOMMAND's SC_CLOSE

// ---- Message loop and time -----------------------------------------------------------------

using MessageProcessor = std::function<void(const platform::Message&)>;
// The program's per-message routine (what its loop does with each fetched message). An empty
// function restores the default, translateMessage + dispatchMessage.
void setMessageProcessor(MessageProcessor processor);

// Delivers what can be fetched now, without advancing the clock. Throws Runaway after a million
// messages (a handler slower than its own timer's period keeps a timer due for ever).
void runPending();
// Advances the clock by ms, stopping at each due time on the way and delivering everything that
// is due there; finally delivers what is due at the end time. Only ticks due by the end time
// are delivered: when handlers spend time (spendTime) the clock can end up past the end.
void runFor(std::int64_t ms);
// Called from inside a handler: the handler takes ms of virtual time. Nothing is dispatched;
// timers that fall due meanwhile merge into one tick each.
void spendTime(std::int64_t ms);
// Virtual milliseconds since reset (the clock that timers use; wall-clock jumps leave it).
std::int64_t now();
bool quitPending();
// WM_QUIT's exit code once posted.
std::optional<int> quitCode();
// Messages currently posted or queued as input (not counting paints and timers).
std::vector<platform::Message> queuedMessages();

// Wall clock read by platform::localTime. Default 2024-03-05 12:00:00.000 at reset.
struct WallTime {
    int year = 2024, month = 3, day = 5, hour = 12, minute = 0, second = 0, millisecond = 0;
};
void setWallClock(const WallTime& time);
WallTime wallClock();
// The user or the time service changes the clock by deltaMs (negative: backwards). Timers are
// not affected.
void jumpWallClock(std::int64_t deltaMs);

struct TimerInfo {
    platform::Window window = nullptr;
    std::uintptr_t id = 0;
    unsigned period = 0;     // after the clamp to kTimerMinimum
    std::int64_t nextDue = 0;  // virtual ms (now())
};
std::vector<TimerInfo> timers();
std::optional<TimerInfo> timer(platform::Window window, std::uintptr_t id);

// Precise tick sources (platform::startPreciseTicks): exact on the virtual clock, and like the
// real ones at most one tick pending, posted as a message at its deadline.
struct TickerInfo {
    platform::Window window = nullptr;
    unsigned period = 0;
    platform::TickPhase phase = platform::TickPhase::FromNow;
    std::int64_t nextDue = 0;  // virtual ms (now())
    bool pending = false;      // a tick is posted and not yet accepted
};
std::vector<TickerInfo> preciseTickers();
std::optional<TickerInfo> preciseTicker(platform::Window window);

// ---- Keyboard and hotkeys ------------------------------------------------------------------

// Modifiers use the hotkey flags (platform::hotkeyFlag::Alt, Control, Shift).
enum class Holder { None, ThisProgram, OtherProgram };
struct HotkeyHolder {
    Holder holder = Holder::None;
    platform::Window window = nullptr;  // ThisProgram: the registering window
    int id = 0;                         // ThisProgram: the registered id
    bool noRepeat = false;
};
HotkeyHolder hotkeyHolder(unsigned virtualKey, unsigned modifiers = 0);
// Another program registers or releases a hotkey (false if the combination is held already, or
// not held by another program when releasing).
bool otherProgramHolds(unsigned virtualKey, unsigned modifiers = 0);
bool otherProgramReleases(unsigned virtualKey, unsigned modifiers = 0);

// The user presses and releases a key: a hotkey of ours posts WM_HOTKEY(id, MAKELPARAM(mods,
// vk)) to the registering window; another program's hotkey, or a key while another program is
// in front (no focus in ours), goes to the other program (see keysToOtherPrograms); otherwise
// WM_KEYDOWN (WM_SYSKEYDOWN with Alt) and WM_KEYUP are queued for the focused window, or for the
// active window when no window has the focus. Delivered by runPending/runFor.
void pressKey(unsigned virtualKey, unsigned modifiers = 0);
// The key held down long enough for keyDowns key-down events (the first press included), then
// released. A hotkey without NoRepeat gets one WM_HOTKEY per key-down, with NoRepeat only the
// first; a focused window gets keyDowns WM_KEYDOWN (repeat bit set after the first), one WM_KEYUP.
void holdKey(unsigned virtualKey, int keyDowns, unsigned modifiers = 0);
struct KeyPress {
    unsigned virtualKey = 0;
    unsigned modifiers = 0;
};
std::vector<KeyPress> keysToOtherPrograms();
// The user clicks into another program: our active window is deactivated and the focus leaves
// our windows (WM_KILLFOCUS).
void focusOtherProgram();
platform::Window activeWindow();

// ---- Pointer and input ---------------------------------------------------------------------

void movePointer(int x, int y);  // the user moves the mouse; no message
platform::Point pointer();
enum class InputKind { SetCursorPos, MouseEvent };
struct InputEvent {
    InputKind kind = InputKind::SetCursorPos;
    unsigned flags = 0;  // MouseEvent only
    int x = 0;
    int y = 0;
    unsigned data = 0;
    std::uintptr_t extraInfo = 0;
    std::int64_t time = 0;  // now() at the call
};
const std::vector<InputEvent>& inputLog();
void clearInputLog();
void failCursorPos(bool fail);  // cursorPos returns false and leaves its point alone

// ---- User actions on windows (sent at once; see the model above) ---------------------------

// A click on a button, check box, edit box, combo box or a window of a registered class. A
// BUTTON behaves as for BM_CLICK: it takes the focus, an auto check box toggles, the parent is
// notified; a group box ignores it. EDIT takes the focus. COMBOBOX takes the focus and opens or
// closes its list. Other classes get WM_LBUTTONDOWN and WM_LBUTTONUP (client coordinates of
// the window's centre). The pointer first moves to the centre of the window's visible part
// (as hover does, so a window holding the capture sees it leave), and a click into a window
// that is not active activates its top-level window. Throws NotClickable.
void click(platform::Window window);
bool isClickable(platform::Window window);
// Focuses the window, then sends WM_CHAR per byte of text. Throws NotClickable.
void typeText(platform::Window window, const Text& text);
// Appends text to an edit box unfiltered (like WM_PASTE), cut at the box's limit. Throws
// NotClickable (also for a window that is no edit box).
void paste(platform::Window window, const Text& text);
// The user opens the list (if it is closed) and picks item index. Throws NotClickable, or
// std::out_of_range for a bad index.
void chooseComboItem(platform::Window window, int index);
// The pointer moves to screenPoint over window: WM_MOUSEMOVE (client coordinates) goes to the
// capture window if there is one, otherwise to window.
void hover(platform::Window window, platform::Point screenPoint);
// The close box (or Close of the system menu): WM_SYSCOMMAND(SC_CLOSE) to the top-level window.
void clickCloseBox(platform::Window window);

// ---- Window inspection ---------------------------------------------------------------------

bool isWindow(platform::Window window);  // exists (not destroyed)
std::string className(platform::Window window);
std::uint32_t windowStyle(platform::Window window);
std::uint32_t windowExStyle(platform::Window window);
bool isTopmost(platform::Window window);
// Children of parent in z-order, top first; for nullptr the top-level windows in z-order.
std::vector<platform::Window> zOrder(platform::Window parent);
platform::Window childWithId(platform::Window parent, int id);  // direct children only
// The rectangle as given to createWindow/setWindowPos: relative to the parent's client area.
platform::Rect localRect(platform::Window window);
std::vector<Text> comboItems(platform::Window window);
bool comboDropped(platform::Window window);
unsigned editLimit(platform::Window window);
int buttonCheck(platform::Window window);
// The last WM_SETFONT / WM_SETICON(big = wParam 1) value that reached the window (0 if none).
std::uintptr_t windowFont(platform::Window window);
std::uintptr_t windowIcon(platform::Window window, bool big);
int cursorResource(platform::Window window);  // its class's cursor resource (0 = arrow)
int windowsCreated();                         // createWindow calls that succeeded since reset
// Make createWindow fail: every creation of this class (case-insensitive; empty = none), or
// the n-th createWindow call counted from reset (1-based; 0 = none).
void failCreateWindowOfClass(const std::string& className);
void failCreateWindowNumber(int n);

// ---- Painting ------------------------------------------------------------------------------

enum class PaintKind { FillRect, Gradient, Text };
struct PaintOp {
    PaintKind kind = PaintKind::FillRect;
    platform::Rect rect;
    platform::Color color = 0;            // FillRect colour, Text colour
    std::vector<platform::Color> colors;  // Gradient
    Text text;                            // Text
    unsigned format = 0;                  // Text: dt:: flags
};
// Operations of the window's latest beginPaint..endPaint (system controls paint their text,
// in the colour that their parent's WM_CTLCOLOR* answer chose).
// The reference stays valid until the window's next paint or reset.
const std::vector<PaintOp>& lastPaint(platform::Window window);
std::vector<Text> paintedTexts(platform::Window window);
int paintCount(platform::Window window);       // completed paints
int invalidateCount(platform::Window window);  // invalidateRect calls naming the window
bool needsPaint(platform::Window window);
void setScreenSize(int width, int height);  // systemMetric; default 1920 x 1080

// ---- Message boxes -------------------------------------------------------------------------

struct MessageBoxCall {
    Text text;
    Text title;
    std::uint32_t style = 0;
    std::int64_t time = 0;  // now() when opened
    int depth = 1;          // 1 + boxes already open
    int result = 0;         // the returned button id (set when it closes)
};
constexpr int kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6,
              kIdNo = 7;
// Called inside each box; may run the loop (runFor, pressKey, click ...); returns the button
// id. An empty function restores the default: OK at once.
void answerMessageBoxes(std::function<int(const MessageBoxCall&)> answerer);
const std::vector<MessageBoxCall>& messageBoxLog();
int openMessageBoxes();
void failMessageBoxes(bool fail);  // messageBox returns 0 without showing (still logged)

// ---- Shell, registry, process, libraries ---------------------------------------------------

void setShellOpenResult(std::intptr_t result);  // default 42
const std::vector<Text>& shellOpenLog();
// HKEY_CLASSES_ROOT\subKey's default value; reads of unset keys fail (the default).
void setClassesRootDefault(const Text& subKey, const Text& value);
const std::vector<Text>& registryReadLog();
void setWinExecResult(unsigned result);  // default 33
const std::vector<Text>& winExecLog();
int oleInitializeCount();
int oleUninitializeCount();
void setModuleFileName(const Text& path);  // default C:\Program Files\Spruce\spruce-clicker.exe
std::optional<Text> currentDirectory();    // set by setCurrentDirectory; none before
void failLoadLibrary(bool fail);
void hideSetProcessWorkingSetSize(bool hide);  // procAddress returns nullptr for it
int loadLibraryCount();
int freeLibraryCount();
struct WorkingSetCall {
    void* process = nullptr;
    std::size_t minimum = 0;
    std::size_t maximum = 0;
};
const std::vector<WorkingSetCall>& workingSetCalls();
void* currentProcessHandle();  // what platform::currentProcess returns

}  // namespace sim
