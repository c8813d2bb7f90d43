// The group-box subclass.
#include "app/group_box.h"

#include "app/controls.h"

namespace {

platform::WindowProc groupBoxProc = nullptr;

platform::LResult PLATFORM_WINAPI forwardingProc(platform::Window window, unsigned message,
                                 platform::WParam wParam, platform::LParam lParam) {
    if (message == platform::msg::Command)
        return platform::sendMessage(windowHandle(Control::MainWindow), message, wParam, lParam);
    // A group box draws only its frame, and the main window clips its children: without
    // this the box's inside would show whatever was on the screen before.
    if (message == platform::msg::EraseBkgnd) {
        platform::eraseBackground(window, wParam);
        return 1;
    }
    return platform::callWindowProc(groupBoxProc, window, message, wParam, lParam);
}

}  // namespace

void forwardGroupBoxNotifications(platform::Window groupBox) {
    platform::WindowProc previous = platform::setWindowProc(groupBox, forwardingProc);
    if (previous != forwardingProc) groupBoxProc = previous;
}
