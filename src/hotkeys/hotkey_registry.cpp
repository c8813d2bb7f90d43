// Hotkey registration and forwarding.
#include "hotkeys/hotkey_registry.h"

#include <array>

namespace {

HotkeyId lastHotkeyId = 0;
platform::Window hotkeyReceiver = nullptr;
platform::WindowProc previousWindowProc = nullptr;

using namespace platform::hotkeyFlag;

// Index: the program's modifier code (1 Ctrl, 2 Shift, 4 Alt); value: the system's flags.
constexpr std::array<unsigned, 7> kModifierFlags = {
    0, Control, Shift, Control | Shift, Alt, Alt | Control, Alt | Shift};

unsigned systemModifiers(std::int32_t modifierCode) {
    if (modifierCode >= 0 && modifierCode < static_cast<std::int32_t>(kModifierFlags.size()))
        return kModifierFlags[static_cast<std::size_t>(modifierCode)];
    return static_cast<unsigned>(modifierCode);
}

}  // namespace

HotkeyId registerHotkey(platform::Window window, platform::Window receiver,
                        std::int32_t modifierCode, std::int32_t virtualKey) {
    hotkeyReceiver = receiver;
    // Without NoRepeat a held key would toggle its action at the keyboard's repeat rate.
    const unsigned flags = systemModifiers(modifierCode) | NoRepeat;
    if (!previousWindowProc) previousWindowProc = platform::setWindowProc(window, hotkeyWindowProc);
    lastHotkeyId = lastHotkeyId == 0 ? kFirstHotkeyId : lastHotkeyId + 1;
    const bool accepted =
        platform::registerHotKey(window, lastHotkeyId, flags, static_cast<unsigned>(virtualKey));
    return accepted ? lastHotkeyId : 0;
}

void unregisterHotkey(platform::Window window, HotkeyId id) {
    if (id != 0) platform::unregisterHotKey(window, id);
}

platform::LResult PLATFORM_WINAPI hotkeyWindowProc(platform::Window window, unsigned message,
                                   platform::WParam wParam, platform::LParam lParam) {
    if (message == platform::msg::Hotkey && lastHotkeyId >= kFirstHotkeyId &&
        wParam >= static_cast<platform::WParam>(kFirstHotkeyId) &&
        wParam <= static_cast<platform::WParam>(lastHotkeyId))
        platform::sendMessage(hotkeyReceiver, HotkeyNotifyMessage, wParam, 0);
    return platform::callWindowProc(previousWindowProc, window, message, wParam, lParam);
}

HotkeyId lastIssuedHotkeyId() { return lastHotkeyId; }

void resetHotkeyRegistry() {
    lastHotkeyId = 0;
    hotkeyReceiver = nullptr;
    previousWindowProc = nullptr;
}
