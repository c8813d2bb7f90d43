// What the user does to the program's windows with the mouse and by typing and pasting.
#include <algorithm>
#include <string>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Point;
using platform::Rect;
using platform::Window;

Rect intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// The part of the window the user can see: its rectangle cut by every ancestor's client area.
Rect visiblePart(Window window) {
    Rect part = platform::windowRect(window);
    for (Window a = window->parent; a; a = a->parent) {
        const Point origin = clientOriginOf(a);
        const Rect client = platform::clientRect(a);
        part = intersect(part, {origin.x, origin.y, origin.x + client.right,
                                origin.y + client.bottom});
    }
    return part;
}

void requireClickable(Window window, const char* action) {
    if (!sim::isClickable(window))
        throw sim::NotClickable(std::string(action) + ": the window is gone, hidden or out of view");
}

platform::LParam clientPoint(Window window, Point screen) {
    const Point origin = clientOriginOf(window);
    const auto x = static_cast<std::uint32_t>(screen.x - origin.x) & 0xFFFF;
    const auto y = static_cast<std::uint32_t>(screen.y - origin.y) & 0xFFFF;
    return static_cast<platform::LParam>(x | (y << 16));
}

// Clicking into a window of ours that is not active activates it first.
void activateByClick(Window window) {
    Desktop& d = desktop();
    const Window top = topLevelOf(window);
    if (d.active == top) return;
    d.active = top;
    const Window focus = platform::focusedWindow();
    if (!focus || (focus != top && !platform::isChildOf(top, focus))) platform::setFocus(top);
}

}  // namespace

namespace sim {

bool isClickable(platform::Window window) {
    return detail::alive(window) && platform::isWindowVisible(window) && !empty(visiblePart(window));
}

void click(platform::Window window) {
    requireClickable(window, "click");
    const Rect part = visiblePart(window);
    const Point centre{(part.left + part.right) / 2, (part.top + part.bottom) / 2};
    hover(window, centre);
    activateByClick(window);
    const Window capture = platform::captureWindow();
    const Window target = capture ? capture : window;
    send(target, platform::msg::LButtonDown, 1, clientPoint(target, centre));
    send(target, platform::msg::LButtonUp, 0, clientPoint(target, centre));
}

void typeText(platform::Window window, const Text& text) {
    requireClickable(window, "typeText");
    platform::setFocus(window);
    for (char c : text)
        send(window, platform::msg::Char, static_cast<unsigned char>(c), 1);
}

void paste(platform::Window window, const Text& text) {
    requireClickable(window, "paste");
    if (window->kind != Kind::Edit) throw NotClickable("paste: not an edit box");
    pasteIntoEdit(window, text);
}

void chooseComboItem(platform::Window window, int index) {
    requireClickable(window, "chooseComboItem");
    if (window->kind != Kind::Combo) throw NotClickable("chooseComboItem: not a combo box");
    if (index < 0 || index >= static_cast<int>(window->items.size()))
        throw std::out_of_range("chooseComboItem: no item " + std::to_string(index));
    if (!window->dropped) click(window);
    if (!alive(window)) return;
    chooseItem(window, index);
}

void hover(platform::Window window, platform::Point screenPoint) {
    desktop().pointer = screenPoint;
    const Window capture = platform::captureWindow();
    const Window target = capture ? capture : window;
    if (!alive(target)) return;
    send(target, platform::msg::MouseMove, 0, clientPoint(target, screenPoint));
}

void clickCloseBox(platform::Window window) {
    if (!alive(window)) throw NotClickable("clickCloseBox: the window is gone");
    send(topLevelOf(window), platform::msg::SysCommand, kScClose, 0);
}

}  // namespace sim
