// The one way the program shows a message: a box without an owner, titled "信息：".
#pragma once

#include <cstdint>

#include "platform/text.h"

using MessageBoxResult = std::int32_t;  // 0 OK (and anything unlisted) … 5 Yes, 6 No

namespace boxStyle {
constexpr std::uint32_t Info = 4096;      // OK, system-modal
constexpr std::uint32_t Stop = 4112;      // OK with the stop icon, system-modal
constexpr std::uint32_t YesNo = 4100;     // Yes and No, system-modal
}  // namespace boxStyle

constexpr MessageBoxResult kResultYes = 5;

// Returns when the user closes the box; meanwhile its own loop keeps dispatching messages.
MessageBoxResult messageBox(const Text& text, std::uint32_t style);
