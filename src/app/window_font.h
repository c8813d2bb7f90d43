// The font of the program's own window classes: kept on WM_SETFONT and given back on
// WM_GETFONT, as the system's controls do, so painting can select it.
#pragma once

#include "platform/platform.h"

// True when the message was WM_SETFONT or WM_GETFONT; result is then the message's answer.
bool handleFontMessage(platform::Window window, unsigned message, platform::WParam wParam,
                       platform::LResult& result);
