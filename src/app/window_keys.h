// The main window's own keys, looked at before a key reaches the focused control: Esc closes
// the window, Tab and Shift+Tab move the focus.
#pragma once

#include "app/controls.h"

// True when the message was the window's key and has been consumed.
bool handleWindowKeys(const platform::Message& message);

// The control Tab (or Shift+Tab) moves the focus to from `from`.
Control nextTabStop(Control from, bool backwards);
