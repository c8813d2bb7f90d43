// Window text, visibility, position, parentage, focus, capture and screen metrics.
#include "platform/win32/native.h"

namespace platform {

using win32::handle;
using win32::hwnd;

namespace {

Rect fromNative(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HWND insertAfter(ZPlace place, Window after) {
    switch (place) {
    case ZPlace::Top: return HWND_TOP;
    case ZPlace::Bottom: return HWND_BOTTOM;
    case ZPlace::Topmost: return HWND_TOPMOST;
    case ZPlace::NoTopmost: return HWND_NOTOPMOST;
    case ZPlace::After: break;
    }
    return hwnd(after);
}

}  // namespace

void setWindowText(Window window, const Text& text) {
    SetWindowTextW(hwnd(window), win32::wide(text).c_str());
}

Text getWindowText(Window window) {
    const int length = GetWindowTextLengthW(hwnd(window));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd(window), text.data(), length + 1);
    return win32::gbk(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool showWindow(Window window, int command) { return ShowWindow(hwnd(window), command) != 0; }

bool isWindowVisible(Window window) { return IsWindowVisible(hwnd(window)) != 0; }

bool setWindowPos(Window window, ZPlace place, Window after, int x, int y, int width, int height,
                  std::uint32_t flags) {
    return SetWindowPos(hwnd(window), insertAfter(place, after), x, y, width, height, flags) != 0;
}

Rect windowRect(Window window) {
    RECT r{};
    GetWindowRect(hwnd(window), &r);
    return fromNative(r);
}

Rect clientRect(Window window) {
    RECT r{};
    GetClientRect(hwnd(window), &r);
    return fromNative(r);
}

Window setParent(Window window, Window parent) {
    return handle(SetParent(hwnd(window), hwnd(parent)));
}

Window parentOf(Window window) { return handle(GetParent(hwnd(window))); }

Window setFocus(Window window) { return handle(SetFocus(hwnd(window))); }

Window focusedWindow() { return handle(GetFocus()); }

bool isChildOf(Window parent, Window window) { return IsChild(hwnd(parent), hwnd(window)) != 0; }

void invalidateRect(Window window, bool erase) {
    InvalidateRect(hwnd(window), nullptr, erase ? TRUE : FALSE);
}

void setCapture(Window window) { SetCapture(hwnd(window)); }

void releaseCapture() { ReleaseCapture(); }

Window captureWindow() { return handle(GetCapture()); }

bool pointInWindow(Window window, Point screenPoint) {
    RECT r{};
    if (!GetWindowRect(hwnd(window), &r)) return false;
    return PtInRect(&r, POINT{screenPoint.x, screenPoint.y}) != 0;
}

int systemMetric(int index) { return GetSystemMetrics(index); }

std::uintptr_t loadIcon(const char* resourceName, int size) {
    return reinterpret_cast<std::uintptr_t>(LoadImageW(GetModuleHandleW(nullptr),
                                                       win32::wide(resourceName).c_str(),
                                                       IMAGE_ICON, size, size, 0));
}

std::uintptr_t stockGuiFont() {
    return reinterpret_cast<std::uintptr_t>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace platform
