// The thread's queue: posted messages, queued input, WM_QUIT, synthesised paints and timer
// ticks, the key state of the message being processed, and the test's loop (runPending,
// runFor).
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Message;
using platform::Window;

// More messages than this in one runPending means the program never goes idle.
constexpr int kRunawayLimit = 1000000;

void take(std::deque<Queued>& queue, Message& message) {
    Desktop& d = desktop();
    message = queue.front().message;
    if (queue.front().input) d.keys = queue.front().keys;
    queue.pop_front();
}

bool fetchPaint(Message& message) {
    for (const auto& window : desktop().windows)
        if (window->alive && window->invalid && platform::isWindowVisible(window.get())) {
            message = {window.get(), platform::msg::Paint, 0, 0};
            return true;
        }
    return false;
}

// Ticks are delivered only up to runFor's end time.
std::int64_t latestTickTime() {
    const Desktop& d = desktop();
    return d.tickHorizon ? std::min(d.now, *d.tickHorizon) : d.now;
}

bool fetchTimer(Message& message) {
    Desktop& d = desktop();
    Timer* due = nullptr;
    const std::int64_t latest = latestTickTime();
    for (Timer& t : d.timers)
        if (t.due <= latest && (!due || t.due < due->due)) due = &t;
    if (!due) return false;
    message = {due->window, platform::msg::Timer, due->id, 0};
    // Ticks missed while the thread was busy merge; the timer keeps its phase.
    const std::int64_t late = d.now - due->due;
    due->due += (late / due->period + 1) * static_cast<std::int64_t>(due->period);
    return true;
}

void deliver(const Message& message) {
    Desktop& d = desktop();
    // A message box's own loop dispatches directly, never through the program's routine.
    if (d.openBoxes > 0 || !d.processor) {
        platform::translateMessage(message);
        platform::dispatchMessage(message);
    } else {
        d.processor(message);
    }
}

std::optional<std::int64_t> nextTimerDue() {
    std::optional<std::int64_t> next = nextPreciseDeadline();
    for (const Timer& t : desktop().timers)
        if (!next || t.due < *next) next = t.due;
    return next;
}

// The character TranslateMessage makes of a key, with the keys down as given.
unsigned characterOf(unsigned key, unsigned modifiers) {
    using platform::hotkeyFlag::Alt;
    using platform::hotkeyFlag::Control;
    using platform::hotkeyFlag::Shift;
    constexpr char kShiftedDigits[] = ")!@#$%^&*(";
    if (modifiers & Alt) return 0;
    const bool shift = modifiers & Shift;
    if (key >= 'A' && key <= 'Z') {
        if (modifiers & Control) return key - 'A' + 1;
        return shift ? key : key + ('a' - 'A');
    }
    if (modifiers & Control) return 0;
    if (key >= '0' && key <= '9') return shift ? static_cast<unsigned>(kShiftedDigits[key - '0']) : key;
    if (key >= 0x60 && key <= 0x69) return '0' + (key - 0x60);  // digit pad
    switch (key) {
    case 0xBD: return shift ? '_' : '-';  // VK_OEM_MINUS
    case 0x6D: return '-';                // VK_SUBTRACT
    case 0x20: return ' ';
    case 0x08: case 0x09: case 0x0D: case 0x1B: return key;
    default: return 0;
    }
}

}  // namespace

namespace sim::detail {

bool fetch(Message& message) {
    Desktop& d = desktop();
    postDuePreciseTicks(latestTickTime());
    if (!d.posted.empty()) {
        take(d.posted, message);
        return true;
    }
    if (d.quit) return false;
    if (!d.input.empty()) {
        take(d.input, message);
        return true;
    }
    return fetchPaint(message) || fetchTimer(message);
}

void postInput(Message message, KeyState keys) {
    desktop().input.push_back({message, true, keys});
}

}  // namespace sim::detail

namespace platform {

bool getMessage(Message& message) {
    Desktop& d = desktop();
    if (fetch(message)) return true;
    if (d.quit) {
        d.quit = false;
        message = {nullptr, msg::Quit, static_cast<WParam>(d.quitCode), 0};
        return false;
    }
    throw sim::Idle{};
}

void translateMessage(const Message& message) {
    if (message.message != msg::KeyDown) return;
    Desktop& d = desktop();
    const unsigned character = characterOf(static_cast<unsigned>(message.wParam), d.keys.modifiers);
    if (character)
        d.posted.push_back({{message.window, msg::Char, character, message.lParam}, true, d.keys});
}

LResult dispatchMessage(const Message& message) {
    return send(message.window, message.message, message.wParam, message.lParam);
}

void postQuitMessage(int exitCode) {
    Desktop& d = desktop();
    d.quit = true;
    d.quitCode = exitCode;
    d.quitPosted = exitCode;
}

bool keyIsDown(unsigned virtualKey) {
    const KeyState& keys = desktop().keys;
    if (keys.virtualKey && keys.virtualKey == virtualKey) return true;
    struct Modifier {
        unsigned flag, generic, left, right;
    };
    constexpr Modifier kModifiers[] = {{hotkeyFlag::Shift, vk::Shift, 0xA0, 0xA1},
                                       {hotkeyFlag::Control, vk::Control, 0xA2, 0xA3},
                                       {hotkeyFlag::Alt, vk::Menu, 0xA4, 0xA5}};
    for (const Modifier& m : kModifiers)
        if ((keys.modifiers & m.flag) &&
            (virtualKey == m.generic || virtualKey == m.left || virtualKey == m.right))
            return true;
    return false;
}

}  // namespace platform

namespace sim {

void setMessageProcessor(MessageProcessor processor) {
    detail::desktop().processor = std::move(processor);
}

void runPending() {
    Message message;
    int delivered = 0;
    while (detail::fetch(message)) {
        if (++delivered > kRunawayLimit)
            throw Runaway("the program never went idle (a WM_PAINT never validated?)");
        deliver(message);
    }
}

void runFor(std::int64_t ms) {
    detail::Desktop& d = detail::desktop();
    const std::int64_t end = d.now + std::max<std::int64_t>(ms, 0);
    struct Horizon {
        std::optional<std::int64_t>& slot;
        std::optional<std::int64_t> saved;
        ~Horizon() { slot = saved; }
    } horizon{d.tickHorizon, d.tickHorizon};
    d.tickHorizon = horizon.saved ? std::min(*horizon.saved, end) : end;
    runPending();
    while (!d.quit) {
        const auto next = nextTimerDue();
        if (!next || *next > end) break;
        d.now = std::max(d.now, *next);
        runPending();
    }
    d.now = std::max(d.now, end);
    runPending();
}

void spendTime(std::int64_t ms) { detail::desktop().now += std::max<std::int64_t>(ms, 0); }

std::int64_t now() { return detail::desktop().now; }

bool quitPending() { return detail::desktop().quit; }

std::optional<int> quitCode() { return detail::desktop().quitPosted; }

std::vector<platform::Message> queuedMessages() {
    std::vector<platform::Message> out;
    for (const auto& q : detail::desktop().posted) out.push_back(q.message);
    for (const auto& q : detail::desktop().input) out.push_back(q.message);
    return out;
}

}  // namespace sim
