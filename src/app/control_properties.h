// The properties through which handlers read and change the controls. Every text read returns
// a copy that belongs to the caller.
#pragma once

#include <cstdint>

#include "app/controls.h"

Text captionOf(Control c);                        // push buttons
void setCaption(Control c, const Text& caption);  // labels and push buttons
Text textOf(Control c);                           // edit boxes
void setText(Control c, const Text& text);
std::int32_t checkedOf(Control c);                // check boxes: 1 or 0
std::int32_t selectionOf(Control c);              // drop-down lists: 0-based, -1 for none
std::int32_t mainWindowVisible();
void setMainWindowVisible(std::int32_t visible);
void setMainWindowHeight(std::int32_t height);    // clamped to 0..32627; top-left stays
void setMainWindowAlwaysOnTop(std::int32_t onTop);
