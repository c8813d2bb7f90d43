// Window texts, visibility, position, size, z-order, parents and the screen geometry.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Rect;
using platform::Window;

bool hasFrame(Window window) {
    return !window->parent && (window->style & platform::style::Caption) == platform::style::Caption;
}

platform::Point clientOrigin(Window window) {
    const Rect outer = platform::windowRect(window);
    if (!hasFrame(window)) return {outer.left, outer.top};
    return {outer.left + sim::kFrameBorder, outer.top + sim::kFrameBorder + sim::kCaptionHeight};
}

bool focusInside(Window window) {
    Window focus = desktop().focus;
    return alive(focus) && (focus == window || platform::isChildOf(window, focus));
}

// A top-level window the user or the program brings to the front becomes the active one; a
// plain window then gets the focus itself, unless the focus is already inside it.
void activate(Window window) {
    Desktop& d = desktop();
    if (window->parent || d.active == window) return;
    d.active = window;
    if (!focusInside(window)) platform::setFocus(window);
}

std::vector<Window>& siblingsOf(Window window) {
    return window->parent ? window->parent->children : desktop().topLevel;
}

void placeAt(Window window, std::size_t index) {
    auto& siblings = siblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(std::min(index, siblings.size())),
                    window);
}

std::size_t firstPlainTopLevel(Window except) {
    const auto& order = desktop().topLevel;
    std::size_t i = 0;
    for (Window w : order) {
        if (w == except) continue;
        if (!w->topmost) break;
        ++i;
    }
    return i;
}

bool reorder(Window window, platform::ZPlace place, Window after) {
    using platform::ZPlace;
    const bool topLevel = window->parent == nullptr;
    if (place == ZPlace::After && !after) place = ZPlace::Top;  // HWND_TOP is 0
    switch (place) {
    case ZPlace::Topmost:
        if (topLevel) window->topmost = true;
        placeAt(window, 0);
        return true;
    case ZPlace::NoTopmost:
        if (!topLevel) {
            placeAt(window, 0);
        } else if (window->topmost) {
            window->topmost = false;
            placeAt(window, firstPlainTopLevel(window));
        }
        return true;
    case ZPlace::Top:
        placeAt(window, topLevel && !window->topmost ? firstPlainTopLevel(window) : 0);
        return true;
    case ZPlace::Bottom:
        window->topmost = false;
        placeAt(window, siblingsOf(window).size());
        return true;
    case ZPlace::After: {
        if (!alive(after) || after->parent != window->parent) return false;
        if (after == window) return true;
        if (topLevel && after->topmost && !window->topmost) {
            placeAt(window, firstPlainTopLevel(window));
            return true;
        }
        if (topLevel && !after->topmost) window->topmost = false;
        auto& siblings = siblingsOf(window);
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        const auto at = std::find(siblings.begin(), siblings.end(), after);
        siblings.insert(at + 1, window);
        return true;
    }
    }
    return false;
}

}  // namespace

namespace platform {

void setWindowText(Window window, const Text& text) {
    send(window, msg::SetText, 0, reinterpret_cast<LParam>(text.c_str()));
}

Text getWindowText(Window window) {
    if (!alive(window)) return {};
    if (window->kind == Kind::Combo) {
        const int s = window->selection;
        return s >= 0 && s < static_cast<int>(window->items.size())
                   ? window->items[static_cast<std::size_t>(s)]
                   : Text{};
    }
    return window->text;
}

bool showWindow(Window window, int command) {
    if (!alive(window)) return false;
    Desktop& d = desktop();
    const bool wasVisible = window->visible;
    if (command == show::Hide) {
        window->visible = false;
        if (d.active == window) d.active = nullptr;
        moveFocusOutOf(window);
        return wasVisible;
    }
    window->visible = true;
    if (!wasVisible) invalidateTree(window);
    constexpr int kShowNoActivate = 4, kShowMinNoActive = 7;
    if (command != show::ShowNa && command != kShowNoActivate && command != kShowMinNoActive)
        activate(window);
    return wasVisible;
}

bool isWindowVisible(Window window) {
    if (!alive(window)) return false;
    for (Window w = window; w; w = w->parent)
        if (!w->visible) return false;
    return true;
}

bool setWindowPos(Window window, ZPlace place, Window after, int x, int y, int width,
                  int height, std::uint32_t flags) {
    if (!alive(window)) return false;
    Rect& r = window->rect;
    const Rect before = r;
    if (!(flags & pos::NoMove)) {
        r = {x, y, x + r.width(), y + r.height()};
    }
    if (!(flags & pos::NoSize)) {
        r.right = r.left + std::max(width, 0);
        r.bottom = r.top + std::max(height, 0);
    }
    if (r.left != before.left || r.top != before.top || r.right != before.right ||
        r.bottom != before.bottom)
        invalidateTree(window);
    if (!(flags & pos::NoZOrder) && !reorder(window, place, after)) return false;
    if (!(flags & pos::NoActivate) && window->visible) activate(window);
    return true;
}

Rect windowRect(Window window) {
    if (!alive(window)) return {};
    const Rect& r = window->rect;
    if (!window->parent) return r;
    const Point origin = clientOrigin(window->parent);
    return {origin.x + r.left, origin.y + r.top, origin.x + r.right, origin.y + r.bottom};
}

Rect clientRect(Window window) {
    if (!alive(window)) return {};
    const Rect& r = window->rect;
    if (!hasFrame(window)) return {0, 0, r.width(), r.height()};
    return {0, 0, std::max(r.width() - 2 * sim::kFrameBorder, 0),
            std::max(r.height() - 2 * sim::kFrameBorder - sim::kCaptionHeight, 0)};
}

Window setParent(Window window, Window parent) {
    if (!alive(window) || (parent && !alive(parent)) || window == parent) return nullptr;
    if (parent && isChildOf(window, parent)) return nullptr;
    Window previous = window->parent;
    auto& oldSiblings = siblingsOf(window);
    oldSiblings.erase(std::remove(oldSiblings.begin(), oldSiblings.end(), window),
                      oldSiblings.end());
    window->parent = parent;
    if (parent)
        parent->children.insert(parent->children.begin(), window);
    else
        desktop().topLevel.insert(desktop().topLevel.begin() +
                                      static_cast<std::ptrdiff_t>(firstPlainTopLevel(window)),
                                  window);
    invalidateTree(window);
    return previous;
}

Window parentOf(Window window) { return alive(window) ? window->parent : nullptr; }

bool isChildOf(Window parent, Window window) {
    if (!alive(parent) || !alive(window)) return false;
    for (Window w = window->parent; w; w = w->parent)
        if (w == parent) return true;
    return false;
}

bool pointInWindow(Window window, Point screenPoint) {
    if (!alive(window)) return false;
    const Rect r = windowRect(window);
    return screenPoint.x >= r.left && screenPoint.x < r.right && screenPoint.y >= r.top &&
           screenPoint.y < r.bottom;
}

int systemMetric(int index) {
    if (index == metric::CxScreen) return desktop().screenWidth;
    if (index == metric::CyScreen) return desktop().screenHeight;
    return 0;
}

}  // namespace platform

namespace sim::detail {

platform::Point clientOriginOf(Window window) { return clientOrigin(window); }

}  // namespace sim::detail
