// The controls of the main window, named by role, and their window handles.
#pragma once

#include "platform/platform.h"

// Rows of the window description, in its order (the number is the row). Row order is also the
// z-order among controls with the same parent.
enum class Control : int {
    MainWindow = 0,
    ExitButton, ScheduleAreaCheck, ContactLabel, ContactLink, HotkeysButton, UpdateTimeButton,
    ClockTimer, ScheduleTimer, SecondEdit, SecondUnitLabel, PointClickTimer, IntervalLabel,
    TopmostCheck, StartKeyCombo, CaptureStateLabel, CaptureTimer, XEdit, ScheduleLabel,
    ClockLabel, UsageButton, LockButton, YEdit, YLabel, XLabel, ScheduleButton,
    MinuteUnitLabel, MinuteEdit, HourUnitLabel, HourEdit, ScheduleGroup, HotkeyLabel,
    ClickTypeLabel, ClickTypeCombo, ClickTimer, MillisecondsLabel, IntervalEdit, InstantGroup,
};

constexpr int kControlCount = 37;

// Each control's window id is 100 + its row, so ids name controls for tests and tools too.
constexpr int controlIdOf(Control c) { return 100 + static_cast<int>(c); }
Control controlOfId(int id);  // Control::MainWindow when the id names no control

platform::Window windowHandle(Control c);
void setWindowHandle(Control c, platform::Window window);
void forgetWindowHandles();  // the window is gone

void setFocus(Control c);
[[noreturn]] void endProgram(int exitCode);
