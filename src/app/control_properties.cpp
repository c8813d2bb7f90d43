// Control properties over the platform's window calls.
#include "app/control_properties.h"

#include <algorithm>

#include "app/window_description.h"

namespace {

constexpr std::int32_t kLargestHeight = 32627;

platform::Window mainWindow() { return windowHandle(Control::MainWindow); }

}  // namespace

Text captionOf(Control c) { return platform::getWindowText(windowHandle(c)); }

void setCaption(Control c, const Text& caption) {
    platform::setWindowText(windowHandle(c), caption);
    if (rowOf(c).kind == ControlKind::Label) platform::invalidateRect(windowHandle(c), false);
}

Text textOf(Control c) { return platform::getWindowText(windowHandle(c)); }

void setText(Control c, const Text& text) { platform::setWindowText(windowHandle(c), text); }

std::int32_t checkedOf(Control c) {
    constexpr platform::LResult kChecked = 1;
    return platform::sendMessage(windowHandle(c), platform::msg::BmGetCheck, 0, 0) == kChecked;
}

std::int32_t selectionOf(Control c) {
    return static_cast<std::int32_t>(
        platform::sendMessage(windowHandle(c), platform::msg::CbGetCurSel, 0, 0));
}

std::int32_t mainWindowVisible() { return platform::isWindowVisible(mainWindow()) ? 1 : 0; }

void setMainWindowVisible(std::int32_t visible) {
    platform::showWindow(mainWindow(), visible == 0 ? platform::show::Hide : platform::show::Show);
}

void setMainWindowHeight(std::int32_t height) {
    height = std::clamp(height, 0, kLargestHeight);
    const platform::Rect outer = platform::windowRect(mainWindow());
    platform::setWindowPos(mainWindow(), platform::ZPlace::After, nullptr, 0, 0, outer.width(),
                           height,
                           platform::pos::NoActivate | platform::pos::NoZOrder |
                               platform::pos::NoMove);
}

void setMainWindowAlwaysOnTop(std::int32_t onTop) {
    platform::setWindowPos(mainWindow(),
                           onTop == 1 ? platform::ZPlace::Topmost : platform::ZPlace::NoTopmost,
                           nullptr, 0, 0, 0, 0,
                           platform::pos::NoActivate | platform::pos::NoMove |
                               platform::pos::NoSize);
}
