// Timer controls and their period rule.
#include "clicker/timer_control.h"

#include <array>

#include "app/event_bindings.h"

namespace {

constexpr std::uintptr_t kPlatformTimerId = 1000;

// The timers that click (and the capture that feeds them) tick at the period the user set, which
// the system timer cannot do below its tick of about 15.6 ms; the schedule compares just after
// each second turns, so a set second is caught at its start.
enum class TickSource { SystemTimer, Precise, PreciseOnTheSecond };
struct TimerKind {
    Control control;
    TickSource source;
};
constexpr std::array<TimerKind, 5> kTimers = {{
    {Control::ClickTimer, TickSource::Precise},
    {Control::CaptureTimer, TickSource::Precise},
    {Control::PointClickTimer, TickSource::Precise},
    {Control::ScheduleTimer, TickSource::PreciseOnTheSecond},
    {Control::ClockTimer, TickSource::SystemTimer},
}};
std::array<TimerControl, kTimers.size()> timers{};

TimerControl* timerFor(Control c) {
    for (std::size_t i = 0; i < kTimers.size(); ++i)
        if (kTimers[i].control == c) return &timers[i];
    return nullptr;
}

TickSource sourceOf(const TimerControl& timer) {
    return kTimers[static_cast<std::size_t>(&timer - timers.data())].source;
}

void armPlatformTimer(const TimerControl& timer) {
    const auto period = static_cast<unsigned>(timer.period);
    switch (sourceOf(timer)) {
    case TickSource::SystemTimer:
        platform::setTimer(timer.window, kPlatformTimerId, period);
        break;
    case TickSource::Precise:
        platform::startPreciseTicks(timer.window, period, platform::TickPhase::FromNow);
        break;
    case TickSource::PreciseOnTheSecond:
        platform::startPreciseTicks(timer.window, period, platform::TickPhase::WallClock);
        break;
    }
}

void disarmPlatformTimer(const TimerControl& timer) {
    if (sourceOf(timer) == TickSource::SystemTimer)
        platform::killTimer(timer.window, kPlatformTimerId);
    else
        platform::stopPreciseTicks(timer.window);
}

void runTick(platform::Window window) {
    runBoundHandler(controlOfId(platform::controlId(window)), ControlEvent::Tick);
}

TimerControl* timerForWindow(platform::Window window) {
    for (TimerControl& t : timers)
        if (t.window == window) return &t;
    return nullptr;
}

void onTimerWindowDestroyed(platform::Window window) {
    TimerControl* timer = timerForWindow(window);
    if (!timer) return;
    if (timer->running) disarmPlatformTimer(*timer);
    *timer = TimerControl{};
}

platform::LResult PLATFORM_WINAPI timerWindowProc(platform::Window window, unsigned message,
                                  platform::WParam wParam, platform::LParam lParam) {
    switch (message) {
    case platform::msg::Timer:
        if (wParam == kPlatformTimerId) runTick(window);
        return 0;
    case platform::msg::PreciseTick:
        // A tick queued before a stop or restart must not click after it.
        if (platform::acceptPreciseTick(window, wParam)) runTick(window);
        return 0;
    case platform::msg::Destroy:
        onTimerWindowDestroyed(window);
        return 0;
    default:
        return platform::defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

const char* const kTimerClassName = "SpruceTimer";

void registerTimerClass() { platform::registerClass(kTimerClassName, timerWindowProc, 0); }

void startTimerControl(Control c, std::int32_t initialPeriod) {
    TimerControl* timer = timerFor(c);
    *timer = TimerControl{};
    timer->window = windowHandle(c);
    writePeriod(c, initialPeriod);
}

void writePeriod(Control c, std::int32_t value) {
    TimerControl* timer = timerFor(c);
    // Once its window is gone the timer is gone: a late write must not arm a thread timer.
    if (!timer || !timer->window) return;
    if (value < 0) value = 0;
    if (value == timer->period) return;
    timer->period = value;
    if (timer->running) disarmPlatformTimer(*timer);
    timer->running = value > 0;
    if (timer->running) armPlatformTimer(*timer);
}

std::int32_t periodOf(Control c) {
    const TimerControl* timer = timerFor(c);
    return timer ? timer->period : 0;
}

bool timerRunning(Control c) {
    const TimerControl* timer = timerFor(c);
    return timer && timer->running;
}
