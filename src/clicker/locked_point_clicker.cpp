// The locked-point clicker.
#include "clicker/locked_point_clicker.h"

#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/program_state.h"
#include "clicker/pointer.h"
#include "clicker/timer_control.h"
#include "hotkeys/program_hotkey.h"
#include "schedule/conversions.h"

namespace {

constexpr std::int32_t kVirtualKeyUp = 38;

bool pointPresent() {
    return !textOf(Control::XEdit).empty() && !textOf(Control::YEdit).empty();
}

}  // namespace

void reportMissingPoint() {
    messageBox(Text("请按下F1键获取要点击的X或Y坐标不然无法定时点击！"_gbk), boxStyle::Stop);
}

void onLockButton() {
    if (!pointPresent()) {
        reportMissingPoint();
        return;
    }
    if (unlockKeyPending == 1) {
        unlockHotkeyId = registerProgramHotkey(kVirtualKeyUp);
        unlockKeyPending = 0;
    }
    if (lockConfirmed == 0) {
        const MessageBoxResult answer = messageBox(
            Text(" 上键 关闭锁定，按确定钮每次点击锁定按钮不出现此信息框"_gbk), boxStyle::YesNo);
        if (answer == kResultYes) lockConfirmed = 1;
    }
    if (lockConfirmed == 1) writePeriod(Control::PointClickTimer, kPointClickPeriod);
}

void onPointClickTick() {
    const std::int32_t x = textToInteger(textOf(Control::XEdit));
    const std::int32_t y = textToInteger(textOf(Control::YEdit));
    sendClick(x, y, selectionOf(Control::ClickTypeCombo));
}

void stopLockedClick() { writePeriod(Control::PointClickTimer, 0); }
