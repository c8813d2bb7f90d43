// The pointer, and the synthetic input the program injects (logged for tests).
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;

// Windows keeps the pointer on the screen.
platform::Point onScreen(std::int64_t x, std::int64_t y) {
    const Desktop& d = desktop();
    return {static_cast<int>(std::clamp<std::int64_t>(x, 0, d.screenWidth - 1)),
            static_cast<int>(std::clamp<std::int64_t>(y, 0, d.screenHeight - 1))};
}

}  // namespace

namespace platform {

bool cursorPos(Point& point) {
    const Desktop& d = desktop();
    if (d.failCursorPos) return false;
    point = d.pointer;
    return true;
}

void setCursorPos(int x, int y) {
    Desktop& d = desktop();
    d.inputLog.push_back({sim::InputKind::SetCursorPos, 0, x, y, 0, 0, d.now});
    d.pointer = onScreen(x, y);
}

void mouseEvent(unsigned flags, int dx, int dy, unsigned data, std::uintptr_t extraInfo) {
    Desktop& d = desktop();
    d.inputLog.push_back({sim::InputKind::MouseEvent, flags, dx, dy, data, extraInfo, d.now});
    if (!(flags & mouseFlag::Move)) return;
    if (flags & mouseFlag::Absolute)
        d.pointer = onScreen(std::int64_t{dx} * d.screenWidth / 65536,
                             std::int64_t{dy} * d.screenHeight / 65536);
    else
        d.pointer = onScreen(std::int64_t{d.pointer.x} + dx, std::int64_t{d.pointer.y} + dy);
}

}  // namespace platform

namespace sim {

void movePointer(int x, int y) { desktop().pointer = onScreen(x, y); }

platform::Point pointer() { return desktop().pointer; }

const std::vector<InputEvent>& inputLog() { return desktop().inputLog; }

void clearInputLog() { desktop().inputLog.clear(); }

void failCursorPos(bool fail) { desktop().failCursorPos = fail; }

}  // namespace sim
