// The continuous clicker.
#include "clicker/continuous_clicker.h"

#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/program_state.h"
#include "clicker/pointer.h"
#include "clicker/timer_control.h"
#include "schedule/conversions.h"

namespace {

// One "set the interval" box at a time: presses while it is open do nothing.
bool intervalBoxOpen = false;

void askForInterval() {
    if (intervalBoxOpen) return;
    intervalBoxOpen = true;
    messageBox(Text("请设置秒数！"_gbk), boxStyle::Info);
    intervalBoxOpen = false;
}

}  // namespace

void toggleClicking() {
    if (clickArmed != 1) {
        // A stop always stops, whatever the interval box holds.
        clickArmed = 1;
        writePeriod(Control::ClickTimer, 0);
        return;
    }
    const Text interval = textOf(Control::IntervalEdit);
    if (interval.empty()) {
        askForInterval();
        return;
    }
    clickArmed = 0;
    writePeriod(Control::ClickTimer, textToInteger(interval));
}

void onClickTick() {
    for (ClickKind kind = 0; kind < 4; ++kind) {
        if (selectionOf(Control::ClickTypeCombo) != kind) continue;
        const std::int32_t x = pointerX();
        const std::int32_t y = pointerY();
        sendClick(x, y, kind);
    }
}
