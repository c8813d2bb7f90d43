// The main window procedure.
#include "app/main_window.h"

#include "app/event_bindings.h"
#include "app/window_description.h"

namespace {

// The list commits its selection after it notifies; the choice is handled once it has.
constexpr unsigned kItemChosenMessage = platform::msg::App + 1;

unsigned highWord(platform::WParam w) { return static_cast<unsigned>((w >> 16) & 0xFFFF); }
int lowWord(platform::WParam w) { return static_cast<int>(w & 0xFFFF); }

void onCommand(platform::Window window, platform::WParam wParam) {
    const Control control = controlOfId(lowWord(wParam));
    if (control == Control::MainWindow) return;
    const ControlKind kind = rowOf(control).kind;
    const unsigned code = highWord(wParam);
    if (code == platform::notify::ButtonClicked &&
        (kind == ControlKind::PushButton || kind == ControlKind::CheckBox))
        runBoundHandler(control, ControlEvent::Clicked);
    else if (code == platform::notify::ComboSelEndOk && kind == ControlKind::DropDown)
        platform::postMessage(window, kItemChosenMessage, static_cast<platform::WParam>(control),
                              0);
    else if (code == platform::notify::EditKillFocus && kind == ControlKind::Edit)
        runBoundHandler(control, ControlEvent::LostFocus);
}

platform::LResult onControlColor(platform::WParam deviceContext, platform::LParam control) {
    const Control c = controlOfId(platform::controlId(reinterpret_cast<platform::Window>(control)));
    const platform::Color text = c == Control::MainWindow ? 0 : rowOf(c).textColor;
    return platform::controlColors(deviceContext, text);
}

platform::LResult PLATFORM_WINAPI mainWindowProc(platform::Window window, unsigned message,
                                 platform::WParam wParam, platform::LParam lParam) {
    switch (message) {
    case platform::msg::Command:
        onCommand(window, wParam);
        return 0;
    case kItemChosenMessage:
        runBoundHandler(static_cast<Control>(wParam), ControlEvent::ItemChosen);
        return 0;
    case platform::msg::CtlColorStatic:
    case platform::msg::CtlColorBtn:
        return onControlColor(wParam, lParam);
    case platform::msg::Destroy:
        platform::postQuitMessage(0);
        return 0;
    case platform::msg::NcDestroy:
        forgetWindowHandles();
        return platform::defWindowProc(window, message, wParam, lParam);
    default:
        return platform::defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

const char* const kMainWindowClassName = "SpruceClickerWindow";

void registerMainWindowClass() {
    platform::registerClass(kMainWindowClassName, mainWindowProc, 0);
}
