// Which routine runs for which event of which control.
#pragma once

#include "app/controls.h"

enum class ControlEvent { Clicked, ItemChosen, LostFocus, Tick, Pressed };

// Runs the routine bound to that event of that control; nothing when none is bound.
void runBoundHandler(Control control, ControlEvent event);
