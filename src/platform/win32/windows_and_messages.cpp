// Window classes, window creation, window procedures and messages.
#include "platform/win32/native.h"

namespace platform {

using win32::handle;
using win32::hwnd;
using win32::wide;

void registerClass(const char* className, WindowProc proc, int cursorResource) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name = wide(className);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = win32::nativeProc(proc);
    windowClass.hInstance = instance;
    windowClass.hCursor =
        cursorResource ? LoadCursorW(instance, MAKEINTRESOURCEW(cursorResource))
                       : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

Window createWindow(const char* className, const Text& text, std::uint32_t style,
                    std::uint32_t exStyle, Rect rect, Window parent, int id) {
    // A child's menu argument is its control id; a top-level window has no menu.
    const HMENU menu =
        (style & style::Child) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    return handle(CreateWindowExW(exStyle, wide(className).c_str(), wide(text).c_str(), style,
                                  rect.left, rect.top, rect.width(), rect.height(), hwnd(parent),
                                  menu, GetModuleHandleW(nullptr), nullptr));
}

bool destroyWindow(Window window) { return DestroyWindow(hwnd(window)) != 0; }

LResult defWindowProc(Window window, unsigned message, WParam wParam, LParam lParam) {
    return DefWindowProcW(hwnd(window), message, wParam, lParam);
}

WindowProc setWindowProc(Window window, WindowProc proc) {
    return win32::programProc(SetWindowLongPtrW(
        hwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(win32::nativeProc(proc))));
}

LResult callWindowProc(WindowProc proc, Window window, unsigned message, WParam wParam,
                       LParam lParam) {
    // The previous procedure may be a system thunk, never called directly.
    return CallWindowProcW(win32::nativeProc(proc), hwnd(window), message, wParam, lParam);
}

LResult sendMessage(Window window, unsigned message, WParam wParam, LParam lParam) {
    return SendMessageW(hwnd(window), message, wParam, lParam);
}

bool postMessage(Window window, unsigned message, WParam wParam, LParam lParam) {
    return PostMessageW(hwnd(window), message, wParam, lParam) != 0;
}

int controlId(Window window) { return GetDlgCtrlID(hwnd(window)); }

void addListItem(Window comboBox, const Text& item) {
    const std::wstring text = wide(item);
    SendMessageW(hwnd(comboBox), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace platform
