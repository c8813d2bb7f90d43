// Clicking every 10 ms at the point held in the X and Y boxes.
#pragma once

// The box shown when a point is needed and the X or Y box is empty.
void reportMissingPoint();

void onLockButton();
void onPointClickTick();
void stopLockedClick();
