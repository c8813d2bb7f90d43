// Choosing the start/stop key registers it in place of the previous one.
#include "hotkeys/start_key_selection.h"

#include "app/control_properties.h"
#include "app/program_state.h"
#include "clicker/timer_control.h"
#include "hotkeys/hotkey_registry.h"
#include "hotkeys/program_hotkey.h"
#include "hotkeys/start_key_table.h"

void onStartKeySelected() {
    const std::int32_t k = selectionOf(Control::StartKeyCombo);
    if (k < 0 || k >= static_cast<std::int32_t>(StartKeyTable.size())) return;
    const platform::Window main = windowHandle(Control::MainWindow);
    // The replaced key goes back to the other programs, and choosing it again can succeed.
    unregisterHotkey(main, startStopHotkeyId);
    startStopHotkeyId = registerProgramHotkey(
        static_cast<std::int32_t>(StartKeyTable[static_cast<std::size_t>(k)].virtualKey));
    // The next press does what the clicker's state calls for: start when idle, else stop.
    clickArmed = timerRunning(Control::ClickTimer) ? 0 : 1;
    setFocus(Control::IntervalEdit);
}
