// The deadline arithmetic of the precise tick source, shared by both backends so the simulated
// one keeps the real one's rules. Every value is in one unit of the caller's choice.
#pragma once

#include <cstdint>

namespace platform::ticks {

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// The first time after `wall` that lies `delay` after a whole multiple of the period.
constexpr std::int64_t nextTurnAfter(std::int64_t wall, std::int64_t period, std::int64_t delay) {
    return floorDiv(wall - delay, period) * period + delay + period;
}

// The first deadline on the grid of `due` (period apart) that lies after `now`.
constexpr std::int64_t nextOnGridAfter(std::int64_t due, std::int64_t now, std::int64_t period) {
    return due + ((now - due) / period + 1) * period;
}

}  // namespace platform::ticks
