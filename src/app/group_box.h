// Group boxes pass their children's notifications on to the main window, so a control inside
// a group box delivers its events like any other.
#pragma once

#include "platform/platform.h"

void forwardGroupBoxNotifications(platform::Window groupBox);
