// The one simulated desktop, its reset, and the small helpers the sim's files share.
#include "platform/sim/desktop.h"

#include <algorithm>
#include <cctype>

namespace sim::detail {

Desktop& desktop() {
    static Desktop state = [] {
        Desktop fresh;
        fresh.wallAtZero = wallMilliseconds(WallTime{});
        return fresh;
    }();
    return state;
}

bool alive(platform::Window window) { return window != nullptr && window->alive; }

platform::WindowTag& data(platform::Window window) { return *window; }

platform::Window topLevelOf(platform::Window window) {
    while (window && window->parent) window = window->parent;
    return window;
}

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

platform::LResult send(platform::Window window, unsigned message, platform::WParam wParam,
                       platform::LParam lParam) {
    if (!alive(window) || !window->proc) return 0;
    if (message == platform::msg::SetFont) window->font = wParam;
    if (message == platform::msg::SetIcon) (wParam ? window->bigIcon : window->smallIcon) =
        static_cast<std::uintptr_t>(lParam);
    return window->proc(window, message, wParam, lParam);
}

void notifyParent(platform::Window window, unsigned code) {
    if (!alive(window) || !alive(window->parent)) return;
    const auto wParam = static_cast<platform::WParam>((static_cast<unsigned>(window->id) & 0xFFFF) |
                                                      ((code & 0xFFFF) << 16));
    send(window->parent, platform::msg::Command, wParam, reinterpret_cast<platform::LParam>(window));
}

void invalidateTree(platform::Window window) {
    if (!alive(window)) return;
    window->invalid = true;
    window->erase = true;
    for (platform::Window child : window->children) invalidateTree(child);
}

}  // namespace sim::detail

namespace sim {

void reset() {
    using detail::Desktop;
    Desktop& d = detail::desktop();
    // The program may still hold handles of the last test's windows: keep them readable, dead.
    static std::vector<std::unique_ptr<platform::WindowTag>> retired;
    for (auto& window : d.windows) {
        window->alive = false;
        retired.push_back(std::move(window));
    }
    d = Desktop{};
    d.wallAtZero = detail::wallMilliseconds(WallTime{});
}

}  // namespace sim
