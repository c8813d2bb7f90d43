// The binding of every handler to its control and event, as one table.
#include "app/event_bindings.h"

#include "app/window_commands.h"
#include "clicker/continuous_clicker.h"
#include "clicker/coordinate_capture.h"
#include "clicker/locked_point_clicker.h"
#include "hotkeys/start_key_selection.h"
#include "schedule/clock_display.h"
#include "schedule/scheduled_click.h"

namespace {

struct Binding {
    Control control;
    ControlEvent event;
    void (*handler)();
};

constexpr Binding kBindings[] = {
    {Control::ExitButton, ControlEvent::Clicked, onExitButton},
    {Control::ScheduleAreaCheck, ControlEvent::Clicked, onScheduleAreaCheck},
    {Control::TopmostCheck, ControlEvent::Clicked, onTopmostCheck},
    {Control::HotkeysButton, ControlEvent::Clicked, onHotkeysButton},
    {Control::UsageButton, ControlEvent::Clicked, onUsageButton},
    {Control::ContactLink, ControlEvent::Pressed, openContactLink},
    {Control::StartKeyCombo, ControlEvent::ItemChosen, onStartKeySelected},
    {Control::LockButton, ControlEvent::Clicked, onLockButton},
    {Control::ScheduleButton, ControlEvent::Clicked, onScheduleButton},
    {Control::UpdateTimeButton, ControlEvent::Clicked, onUpdateTimeButton},
    {Control::MinuteEdit, ControlEvent::LostFocus, onMinuteEditLostFocus},
    {Control::ClickTimer, ControlEvent::Tick, onClickTick},
    {Control::CaptureTimer, ControlEvent::Tick, onCaptureTick},
    {Control::PointClickTimer, ControlEvent::Tick, onPointClickTick},
    {Control::ScheduleTimer, ControlEvent::Tick, onScheduleTick},
    {Control::ClockTimer, ControlEvent::Tick, onClockTick},
};

}  // namespace

void runBoundHandler(Control control, ControlEvent event) {
    for (const Binding& binding : kBindings)
        if (binding.control == control && binding.event == event) binding.handler();
}
