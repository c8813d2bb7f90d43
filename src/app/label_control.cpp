// The label window class.
#include "app/label_control.h"

#include "app/caption_painting.h"
#include "app/window_description.h"
#include "app/window_font.h"
#include "hotkeys/hotkey_dispatcher.h"
#include "hotkeys/hotkey_registry.h"

namespace {

constexpr platform::Color kGradient[] = {platform::rgb(255, 0, 0), platform::rgb(255, 255, 0),
                                         platform::rgb(0, 255, 0)};

void paint(platform::Window window) {
    const Control control = controlOfId(platform::controlId(window));
    if (control == Control::MainWindow) return;
    const ControlRow& row = rowOf(control);
    using namespace platform::dt;
    const unsigned layout = row.wordBreak ? WordBreak : SingleLine | VCenter;
    paintCaption(window, row.gradient ? std::span(kGradient) : std::span<const platform::Color>(),
                 Left | NoClip | layout, row.textColor);
}

platform::LResult PLATFORM_WINAPI labelWindowProc(platform::Window window, unsigned message,
                                  platform::WParam wParam, platform::LParam lParam) {
    if (platform::LResult result = 0; handleFontMessage(window, message, wParam, result))
        return result;
    switch (message) {
    case platform::msg::Paint:
        paint(window);
        return 0;
    case platform::msg::EraseBkgnd:
        return 1;  // paint draws the whole background
    case HotkeyNotifyMessage:
        dispatchHotkey(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
        return 0;
    default:
        return platform::defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

const char* const kLabelClassName = "SpruceLabel";

void registerLabelClass() { platform::registerClass(kLabelClassName, labelWindowProc, 0); }
