// The five timers: each a hidden window of its own owning one platform tick source, whose
// ticks run the timer's tick handler on the user-interface thread.
#pragma once

#include <cstdint>

#include "app/controls.h"

struct TimerControl {
    std::int32_t period = 0;  // milliseconds; 0 = stopped
    bool running = false;     // a platform timer is armed
    platform::Window window = nullptr;
};

extern const char* const kTimerClassName;

void registerTimerClass();
// Called once the timer's window exists: arms it when its initial period is positive.
void startTimerControl(Control timer, std::int32_t initialPeriod);

// The period write: negative becomes 0; the current value changes nothing; a different value
// restarts the countdown; 0 stops.
void writePeriod(Control timer, std::int32_t value);
std::int32_t periodOf(Control timer);
bool timerRunning(Control timer);
