// Background erasing: the fill is recorded on the device context like every other paint
// operation, so a test sees it in the window's last paint.
#include "platform/platform.h"

namespace platform {

void eraseBackground(Window window, WParam deviceContext) {
    PaintContext context{window, reinterpret_cast<void*>(deviceContext)};
    fillRect(context, clientRect(window), systemColor(sysColor::BtnFace));
}

}  // namespace platform
