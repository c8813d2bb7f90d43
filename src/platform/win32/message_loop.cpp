// The thread's message loop.
#include "platform/win32/native.h"

namespace platform {

namespace {

// The seam's message leaves out time and pointer position; the queue still knows them.
MSG nativeMessage(const Message& message) {
    MSG native{};
    native.hwnd = win32::hwnd(message.window);
    native.message = message.message;
    native.wParam = message.wParam;
    native.lParam = message.lParam;
    native.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    native.pt.x = static_cast<short>(LOWORD(position));
    native.pt.y = static_cast<short>(HIWORD(position));
    return native;
}

}  // namespace

bool getMessage(Message& message) {
    MSG native{};
    // -1 (an invalid argument) cannot happen with a null window filter; treat it as the end.
    const BOOL result = GetMessageW(&native, nullptr, 0, 0);
    message.window = win32::handle(native.hwnd);
    message.message = native.message;
    message.wParam = native.wParam;
    message.lParam = native.lParam;
    return result > 0;
}

void translateMessage(const Message& message) {
    const MSG native = nativeMessage(message);
    TranslateMessage(&native);
}

LResult dispatchMessage(const Message& message) {
    const MSG native = nativeMessage(message);
    return DispatchMessageW(&native);
}

void postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

bool keyIsDown(unsigned virtualKey) {
    return (GetKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

}  // namespace platform
