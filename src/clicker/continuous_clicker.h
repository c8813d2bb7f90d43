// Continuous clicking at the pointer, started and stopped by the chosen key.
#pragma once

void toggleClicking();
void onClickTick();
