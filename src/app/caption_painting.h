// The one paint of the program's self-drawn controls: a background over the whole client
// area, then the window's caption on it with a transparent background.
#pragma once

#include <span>

#include "platform/platform.h"

// An empty gradient paints the background in COLOR_BTNFACE.
void paintCaption(platform::Window window, std::span<const platform::Color> gradient,
                  unsigned format, platform::Color textColor);
