// Reading the pointer and injecting clicks: the pointer is moved to the point first, then the
// button events follow back to back, so a double kind becomes a double click by the system's
// own detection.
#include "clicker/pointer.h"

#include <array>
#include <span>

#include "platform/platform.h"

namespace {

using namespace platform::mouseFlag;

constexpr std::array<unsigned, 2> kLeftSingle = {LeftDown, LeftUp};
constexpr std::array<unsigned, 4> kLeftDouble = {LeftDown, LeftUp, LeftDown, LeftUp};
constexpr std::array<unsigned, 2> kRightSingle = {RightDown, RightUp};
constexpr std::array<unsigned, 4> kRightDouble = {RightDown, RightUp, RightDown, RightUp};

// Button events of each kind, in order; kinds outside the table click like kind 0.
constexpr std::array<std::span<const unsigned>, 4> kEventsOfKind = {kLeftSingle, kLeftDouble,
                                                                     kRightSingle, kRightDouble};

// Failure to read leaves (0, 0): the callers have no error path.
platform::Point readPointer() {
    platform::Point point;
    if (!platform::cursorPos(point)) point = {};
    return point;
}

}  // namespace

std::int32_t pointerX() { return readPointer().x; }

std::int32_t pointerY() { return readPointer().y; }

void sendClick(std::int32_t x, std::int32_t y, ClickKind kind) {
    const bool known = kind >= 0 && kind < static_cast<ClickKind>(kEventsOfKind.size());
    platform::setCursorPos(x, y);
    for (unsigned flags : kEventsOfKind[known ? static_cast<std::size_t>(kind) : 0])
        platform::mouseEvent(flags, x, y, 0, 0);
}
