// Keyboard focus, the active window and mouse capture.
#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Window;

bool inside(Window root, Window window) {
    return alive(window) && (window == root || platform::isChildOf(root, window));
}

// Focus to no window of ours, with the WM_KILLFOCUS that goes with it.
void dropFocus() { platform::setFocus(nullptr); }

}  // namespace

namespace platform {

Window setFocus(Window window) {
    Desktop& d = desktop();
    if (window && !alive(window)) return nullptr;
    Window previous = alive(d.focus) ? d.focus : nullptr;
    if (window == previous) return previous;
    if (window) d.active = topLevelOf(window);
    // The focus has moved before the old window hears of it, as on Windows.
    d.focus = window;
    if (previous) send(previous, msg::KillFocus, reinterpret_cast<WParam>(window), 0);
    if (window && d.focus == window)
        send(window, msg::SetFocus, reinterpret_cast<WParam>(previous), 0);
    return previous;
}

Window focusedWindow() {
    Window focus = desktop().focus;
    return alive(focus) ? focus : nullptr;
}

void setCapture(Window window) {
    Desktop& d = desktop();
    if (!alive(window)) return;
    Window previous = alive(d.capture) ? d.capture : nullptr;
    d.capture = window;
    if (previous && previous != window)
        send(previous, msg::CaptureChanged, 0, reinterpret_cast<LParam>(window));
}

void releaseCapture() {
    Desktop& d = desktop();
    Window previous = alive(d.capture) ? d.capture : nullptr;
    d.capture = nullptr;
    if (previous) send(previous, msg::CaptureChanged, 0, 0);
}

Window captureWindow() {
    Window capture = desktop().capture;
    return alive(capture) ? capture : nullptr;
}

}  // namespace platform

namespace sim::detail {

void moveFocusOutOf(Window window) {
    if (!inside(window, desktop().focus)) return;
    Window parent = alive(window->parent) ? window->parent : nullptr;
    platform::setFocus(parent);
}

Window focusToMessageBox() {
    Desktop& d = desktop();
    Window previous = alive(d.active) ? d.active : nullptr;
    d.active = nullptr;
    dropFocus();
    return previous;
}

void focusFromMessageBox(Window previousActive) {
    Desktop& d = desktop();
    // A click into our window while the box was open has activated it already.
    if (alive(d.active)) return;
    if (!alive(previousActive) || !platform::isWindowVisible(previousActive)) return;
    d.active = previousActive;
    if (!inside(previousActive, d.focus)) platform::setFocus(previousActive);
}

}  // namespace sim::detail

namespace sim {

void focusOtherProgram() {
    detail::desktop().active = nullptr;
    dropFocus();
}

platform::Window activeWindow() {
    platform::Window active = detail::desktop().active;
    return detail::alive(active) ? active : nullptr;
}

}  // namespace sim
