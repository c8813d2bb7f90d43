// What tests read about windows, and the creation failure switches.
#include "platform/sim/desktop.h"

namespace sim {

using detail::alive;

bool isWindow(platform::Window window) { return alive(window); }

std::string className(platform::Window window) { return window ? window->className : ""; }

std::uint32_t windowStyle(platform::Window window) {
    if (!window) return 0;
    return window->style | (window->visible ? platform::style::Visible : 0);
}

std::uint32_t windowExStyle(platform::Window window) { return window ? window->exStyle : 0; }

bool isTopmost(platform::Window window) { return alive(window) && window->topmost; }

std::vector<platform::Window> zOrder(platform::Window parent) {
    if (!parent) return detail::desktop().topLevel;
    return alive(parent) ? parent->children : std::vector<platform::Window>{};
}

platform::Window childWithId(platform::Window parent, int id) {
    for (platform::Window child : zOrder(parent))
        if (child->id == id) return child;
    return nullptr;
}

platform::Rect localRect(platform::Window window) { return window ? window->rect : platform::Rect{}; }

std::vector<Text> comboItems(platform::Window window) {
    return window ? window->items : std::vector<Text>{};
}

bool comboDropped(platform::Window window) { return alive(window) && window->dropped; }

unsigned editLimit(platform::Window window) { return window ? window->limit : 0; }

int buttonCheck(platform::Window window) { return window ? window->check : 0; }

std::uintptr_t windowFont(platform::Window window) { return window ? window->font : 0; }

std::uintptr_t windowIcon(platform::Window window, bool big) {
    if (!window) return 0;
    return big ? window->bigIcon : window->smallIcon;
}

int cursorResource(platform::Window window) { return window ? window->cursor : 0; }

int windowsCreated() { return detail::desktop().created; }

void failCreateWindowOfClass(const std::string& name) { detail::desktop().failClass = name; }

void failCreateWindowNumber(int n) { detail::desktop().failNumber = n; }

}  // namespace sim
