// Window-level keyboard handling.
#include "app/window_keys.h"

#include <array>

namespace {

// Reading order: the instant area, the window's own buttons, then the schedule area.
constexpr std::array kTabOrder = {
    Control::StartKeyCombo, Control::ClickTypeCombo, Control::IntervalEdit,
    Control::TopmostCheck,  Control::HotkeysButton,  Control::ScheduleAreaCheck,
    Control::ExitButton,    Control::UsageButton,    Control::XEdit,
    Control::YEdit,         Control::LockButton,     Control::HourEdit,
    Control::MinuteEdit,    Control::SecondEdit,     Control::ScheduleButton,
    Control::UpdateTimeButton,
};

bool modifierDown(bool includeShift) {
    using namespace platform;
    return keyIsDown(vk::Control) || keyIsDown(vk::Menu) || (includeShift && keyIsDown(vk::Shift));
}

// The focusable control holding the focus, also when the focus is in a part of it.
Control focusedControl() {
    const platform::Window focus = platform::focusedWindow();
    for (Control c : kTabOrder) {
        const platform::Window w = windowHandle(c);
        if (w && (w == focus || platform::isChildOf(w, focus))) return c;
    }
    return Control::MainWindow;
}

}  // namespace

Control nextTabStop(Control from, bool backwards) {
    const int count = static_cast<int>(kTabOrder.size());
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (kTabOrder[static_cast<std::size_t>(i)] == from) at = i;
    for (int step = 1; step <= count; ++step) {
        const int base = at < 0 ? (backwards ? count : -1) : at;
        const int i = ((base + (backwards ? -step : step)) % count + count) % count;
        const Control candidate = kTabOrder[static_cast<std::size_t>(i)];
        if (platform::isWindowVisible(windowHandle(candidate))) return candidate;
    }
    return from;
}

bool handleWindowKeys(const platform::Message& message) {
    if (message.message != platform::msg::KeyDown) return false;
    const platform::Window main = windowHandle(Control::MainWindow);
    if (!main || (message.window != main && !platform::isChildOf(main, message.window)))
        return false;
    if (message.wParam == platform::vk::Escape && !modifierDown(true)) {
        platform::sendMessage(main, platform::msg::Close, 0, 0);
        return true;
    }
    if (message.wParam == platform::vk::Tab && !modifierDown(false)) {
        setFocus(nextTabStop(focusedControl(), platform::keyIsDown(platform::vk::Shift)));
        return true;
    }
    return false;
}
