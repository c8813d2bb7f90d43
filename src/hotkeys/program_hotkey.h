// Every key of the program is registered the same way: for the main window, no modifiers,
// presses going to the hotkey label.
#pragma once

#include <cstdint>

#include "app/program_state.h"

HotkeyId registerProgramHotkey(std::int32_t virtualKey);
