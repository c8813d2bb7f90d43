// Background erasing: the simulated desktop keeps no pixels, so there is nothing to fill.
#include "platform/platform.h"

namespace platform {

void eraseBackground(Window, WParam) {}

}  // namespace platform
