// Clicking every 10 ms at the point held in the X and Y boxes.
#pragma once

#include <cstdint>

// Both the lock and the schedule click at the point this often, in milliseconds.
constexpr std::int32_t kPointClickPeriod = 10;

// The box shown when a point is needed and the X or Y box is empty.
void reportMissingPoint();

void onLockButton();
void onPointClickTick();
void stopLockedClick();
