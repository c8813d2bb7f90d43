// The pointer's screen position and synthetic clicks at a point.
#pragma once

#include <cstdint>

// The 0-based selection of the click-type list: 0 left single, 1 left double, 2 right single,
// 3 right double; any other value clicks like 0.
using ClickKind = std::int32_t;

std::int32_t pointerX();
std::int32_t pointerY();
void sendClick(std::int32_t x, std::int32_t y, ClickKind kind);
