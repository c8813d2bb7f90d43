// The ten program-wide integers through which the handlers coordinate. All are 0 when the
// process starts; the flags are tested against 1 only.
#pragma once

#include <cstdint>

using HotkeyId = std::int32_t;

extern HotkeyId showHideHotkeyId;
extern HotkeyId captureHotkeyId;
extern HotkeyId unlockHotkeyId;
extern HotkeyId stopScheduleHotkeyId;
extern HotkeyId startStopHotkeyId;
extern std::int32_t captureArmed;
extern std::int32_t unlockKeyPending;
extern std::int32_t lockConfirmed;
extern std::int32_t stopKeyPending;
extern std::int32_t clickArmed;

// Puts every piece of program state back as a new process has it (for runs after the first
// in one process, as the simulated desktop's tests make).
void resetProgramState();
