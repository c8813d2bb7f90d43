// Message boxes, timers and hotkeys: plain pass-through to user32.
#include "platform/win32/native.h"

namespace platform {

using win32::hwnd;

int messageBox(const Text& text, const Text& title, std::uint32_t style) {
    return MessageBoxW(nullptr, win32::wide(text).c_str(), win32::wide(title).c_str(), style);
}

void setTimer(Window window, std::uintptr_t id, unsigned milliseconds) {
    SetTimer(hwnd(window), id, milliseconds, nullptr);
}

void killTimer(Window window, std::uintptr_t id) { KillTimer(hwnd(window), id); }

bool registerHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) {
    return RegisterHotKey(hwnd(window), id, modifiers, virtualKey) != 0;
}

bool unregisterHotKey(Window window, int id) { return UnregisterHotKey(hwnd(window), id) != 0; }

}  // namespace platform
