// The pointer position and synthetic mouse input.
#include "platform/win32/native.h"

namespace platform {

bool cursorPos(Point& point) {
    POINT native{};
    if (!GetCursorPos(&native)) return false;
    point = {native.x, native.y};
    return true;
}

void setCursorPos(int x, int y) { SetCursorPos(x, y); }

void mouseEvent(unsigned flags, int dx, int dy, unsigned data, std::uintptr_t extraInfo) {
    // mouse_event takes relative moves as DWORDs holding signed values.
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), data, extraInfo);
}

}  // namespace platform
