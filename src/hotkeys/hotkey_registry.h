// System-wide hotkeys: registration with ids 33000 + n, and the window procedure that forwards
// each press to the receiver as HotkeyNotifyMessage.
#pragma once

#include <cstdint>

#include "app/program_state.h"
#include "platform/platform.h"

constexpr unsigned HotkeyNotifyMessage = 0x8075;  // wParam: the hotkey id
constexpr HotkeyId kFirstHotkeyId = 33001;

// Registers the key for `window` and makes `receiver` the window all presses go to.
// modifierCode: 1 Ctrl, 2 Shift, 4 Alt, summed. Returns the issued id, or 0 when refused; the
// id is used up either way.
HotkeyId registerHotkey(platform::Window window, platform::Window receiver,
                        std::int32_t modifierCode, std::int32_t virtualKey);
// Gives a key back to the other programs. A 0 id names no registration.
void unregisterHotkey(platform::Window window, HotkeyId id);

platform::LResult PLATFORM_WINAPI hotkeyWindowProc(platform::Window window, unsigned message,
                                   platform::WParam wParam, platform::LParam lParam);

HotkeyId lastIssuedHotkeyId();
void resetHotkeyRegistry();
