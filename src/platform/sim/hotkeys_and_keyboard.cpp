// The system-wide hotkey table (ours and other programs'), and keys the user presses.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Window;

constexpr unsigned kModifierMask = 0xF;  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
constexpr unsigned kSysKeyUp = 0x0105;

Hotkey* find(unsigned virtualKey, unsigned modifiers) {
    for (Hotkey& h : desktop().hotkeys)
        if (h.virtualKey == virtualKey && h.modifiers == (modifiers & kModifierMask)) return &h;
    return nullptr;
}

platform::LParam keyLParam(bool repeated, bool released, bool alt) {
    std::uint32_t bits = 1;  // repeat count
    if (alt) bits |= 1u << 29;
    if (repeated || released) bits |= 1u << 30;
    if (released) bits |= 1u << 31;
    return static_cast<platform::LParam>(static_cast<std::int32_t>(bits));
}

}  // namespace

namespace platform {

bool registerHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey) {
    if (window && !alive(window)) return false;
    if (find(virtualKey, modifiers)) return false;
    desktop().hotkeys.push_back({modifiers & kModifierMask, virtualKey, sim::Holder::ThisProgram,
                                 window, id, (modifiers & hotkeyFlag::NoRepeat) != 0});
    return true;
}

bool unregisterHotKey(Window window, int id) {
    auto& hotkeys = desktop().hotkeys;
    const auto before = hotkeys.size();
    hotkeys.erase(std::remove_if(hotkeys.begin(), hotkeys.end(),
                                 [&](const Hotkey& h) {
                                     return h.holder == sim::Holder::ThisProgram &&
                                            h.window == window && h.id == id;
                                 }),
                  hotkeys.end());
    return hotkeys.size() != before;
}

}  // namespace platform

namespace sim::detail {

void releaseHotkeysOf(Window window) {
    auto& hotkeys = desktop().hotkeys;
    hotkeys.erase(std::remove_if(hotkeys.begin(), hotkeys.end(),
                                 [&](const Hotkey& h) {
                                     return h.holder == Holder::ThisProgram && h.window == window;
                                 }),
                  hotkeys.end());
}

}  // namespace sim::detail

namespace sim {

HotkeyHolder hotkeyHolder(unsigned virtualKey, unsigned modifiers) {
    const Hotkey* h = find(virtualKey, modifiers);
    if (!h) return {};
    return {h->holder, h->window, h->id, h->noRepeat};
}

bool otherProgramHolds(unsigned virtualKey, unsigned modifiers) {
    if (find(virtualKey, modifiers)) return false;
    desktop().hotkeys.push_back(
        {modifiers & kModifierMask, virtualKey, Holder::OtherProgram, nullptr, 0, false});
    return true;
}

bool otherProgramReleases(unsigned virtualKey, unsigned modifiers) {
    Hotkey* h = find(virtualKey, modifiers);
    if (!h || h->holder != Holder::OtherProgram) return false;
    auto& hotkeys = desktop().hotkeys;
    hotkeys.erase(hotkeys.begin() + (h - hotkeys.data()));
    return true;
}

void pressKey(unsigned virtualKey, unsigned modifiers) { holdKey(virtualKey, 1, modifiers); }

void holdKey(unsigned virtualKey, int keyDowns, unsigned modifiers) {
    Desktop& d = desktop();
    modifiers &= kModifierMask;
    keyDowns = std::max(keyDowns, 1);
    const KeyState held{virtualKey, modifiers};
    if (const Hotkey* h = find(virtualKey, modifiers)) {
        for (int i = 0; i < keyDowns; ++i) {
            if (h->holder == Holder::OtherProgram) {
                d.keysToOthers.push_back({virtualKey, modifiers});
            } else if (i == 0 || !h->noRepeat) {
                const auto lParam = static_cast<platform::LParam>(modifiers | (virtualKey << 16));
                d.posted.push_back(
                    {{h->window, platform::msg::Hotkey, static_cast<platform::WParam>(h->id), lParam},
                     true,
                     held});
            }
        }
        return;
    }
    if (d.openBoxes > 0) return;  // the box has the keyboard
    const Window focus = alive(d.focus) ? d.focus : nullptr;
    const Window target = focus ? focus : (alive(d.active) ? d.active : nullptr);
    if (!target) {
        for (int i = 0; i < keyDowns; ++i) d.keysToOthers.push_back({virtualKey, modifiers});
        return;
    }
    const bool alt = modifiers & platform::hotkeyFlag::Alt;
    // Without a focus window the active window gets the keys as system keys, as on Windows.
    const bool system = alt || !focus;
    const unsigned down = system ? platform::msg::SysKeyDown : platform::msg::KeyDown;
    const unsigned up = system ? kSysKeyUp : platform::msg::KeyUp;
    for (int i = 0; i < keyDowns; ++i)
        postInput({target, down, virtualKey, keyLParam(i > 0, false, alt)}, held);
    postInput({target, up, virtualKey, keyLParam(false, true, alt)}, {});
}

std::vector<KeyPress> keysToOtherPrograms() { return desktop().keysToOthers; }

}  // namespace sim
