// Registration of the program's keys.
#include "hotkeys/program_hotkey.h"

#include "app/controls.h"
#include "hotkeys/hotkey_registry.h"

HotkeyId registerProgramHotkey(std::int32_t virtualKey) {
    return registerHotkey(windowHandle(Control::MainWindow), windowHandle(Control::HotkeyLabel), 0,
                          virtualKey);
}
