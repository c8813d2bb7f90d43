// The hotkey dispatcher: the stored id of each key and the action it runs.
#include "hotkeys/hotkey_dispatcher.h"

#include "app/program_state.h"
#include "app/window_commands.h"
#include "clicker/continuous_clicker.h"
#include "clicker/coordinate_capture.h"
#include "clicker/locked_point_clicker.h"
#include "schedule/scheduled_click.h"

namespace {

struct HotkeyAction {
    const HotkeyId* storedId;
    void (*action)();
};

const HotkeyAction kActions[] = {
    {&showHideHotkeyId, toggleShowHide},
    {&captureHotkeyId, toggleCapture},
    {&unlockHotkeyId, stopLockedClick},
    {&stopScheduleHotkeyId, stopScheduledClick},
    {&startStopHotkeyId, toggleClicking},
};

}  // namespace

void dispatchHotkey(std::int32_t id, std::int32_t /*extra*/) {
    // Every test is made even after a match; a stored 0 never matches, since no id is 0.
    for (const HotkeyAction& entry : kActions)
        if (*entry.storedId != 0 && id == *entry.storedId) entry.action();
}
