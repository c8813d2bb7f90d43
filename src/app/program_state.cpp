// Storage of the program-wide integers, and the reset to the state of a new process.
#include "app/program_state.h"

#include "app/controls.h"
#include "app/link_control.h"
#include "hotkeys/hotkey_registry.h"
#include "schedule/clock_display.h"
#include "schedule/scheduled_click.h"

HotkeyId showHideHotkeyId = 0;
HotkeyId captureHotkeyId = 0;
HotkeyId unlockHotkeyId = 0;
HotkeyId stopScheduleHotkeyId = 0;
HotkeyId startStopHotkeyId = 0;
std::int32_t captureArmed = 0;
std::int32_t unlockKeyPending = 0;
std::int32_t lockConfirmed = 0;
std::int32_t stopKeyPending = 0;
std::int32_t clickArmed = 0;

void resetProgramState() {
    showHideHotkeyId = captureHotkeyId = unlockHotkeyId = stopScheduleHotkeyId =
        startStopHotkeyId = 0;
    captureArmed = unlockKeyPending = lockConfirmed = stopKeyPending = clickArmed = 0;
    resetHotkeyRegistry();
    resetLinkState();
    resetScheduleState();
    resetWorkingSetTrim();
    forgetWindowHandles();
}
