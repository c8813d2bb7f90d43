// Window handles of the main window and its controls, and the operations on them that every
// part of the program shares.
#include "app/controls.h"

#include <array>

namespace {
std::array<platform::Window, kControlCount + 1> handles{};
}

Control controlOfId(int id) {
    const int row = id - 100;
    return row >= 1 && row <= kControlCount ? static_cast<Control>(row) : Control::MainWindow;
}

platform::Window windowHandle(Control c) { return handles[static_cast<std::size_t>(c)]; }

void setWindowHandle(Control c, platform::Window window) {
    handles[static_cast<std::size_t>(c)] = window;
}

void forgetWindowHandles() { handles.fill(nullptr); }

void setFocus(Control c) { platform::setFocus(windowHandle(c)); }

void endProgram(int exitCode) {
    if (platform::Window window = windowHandle(Control::MainWindow)) platform::destroyWindow(window);
    platform::oleUninitialize();
    platform::exitProcess(exitCode);
}
