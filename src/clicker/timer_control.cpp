// Timer controls and their period rule.
#include "clicker/timer_control.h"

#include <array>

#include "app/event_bindings.h"

namespace {

constexpr std::uintptr_t kPlatformTimerId = 1000;

constexpr std::array kTimers = {Control::ClickTimer, Control::CaptureTimer,
                                Control::PointClickTimer, Control::ScheduleTimer,
                                Control::ClockTimer};
std::array<TimerControl, kTimers.size()> timers{};

TimerControl* timerFor(Control c) {
    for (std::size_t i = 0; i < kTimers.size(); ++i)
        if (kTimers[i] == c) return &timers[i];
    return nullptr;
}

TimerControl* timerForWindow(platform::Window window) {
    for (TimerControl& t : timers)
        if (t.window == window) return &t;
    return nullptr;
}

void onTimerWindowDestroyed(platform::Window window) {
    TimerControl* timer = timerForWindow(window);
    if (!timer) return;
    if (timer->running) platform::killTimer(window, kPlatformTimerId);
    *timer = TimerControl{};
}

platform::LResult PLATFORM_WINAPI timerWindowProc(platform::Window window, unsigned message,
                                  platform::WParam wParam, platform::LParam lParam) {
    switch (message) {
    case platform::msg::Timer:
        if (wParam == kPlatformTimerId)
            runBoundHandler(controlOfId(platform::controlId(window)), ControlEvent::Tick);
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
    if (timer->running) platform::killTimer(timer->window, kPlatformTimerId);
    timer->running = value > 0;
    if (timer->running)
        platform::setTimer(timer->window, kPlatformTimerId, static_cast<unsigned>(value));
}

std::int32_t periodOf(Control c) {
    const TimerControl* timer = timerFor(c);
    return timer ? timer->period : 0;
}

bool timerRunning(Control c) {
    const TimerControl* timer = timerFor(c);
    return timer && timer->running;
}
