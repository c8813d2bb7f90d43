// The once-a-second clock in the schedule area, and the working-set trim that rides on it.
#pragma once

void onClockTick();
void trimWorkingSet();
void resetWorkingSetTrim();
