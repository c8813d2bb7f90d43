// The hyperlink window class.
#include "app/link_control.h"

#include "app/caption_painting.h"
#include "app/controls.h"
#include "app/window_font.h"
#include "app/event_bindings.h"
#include "platform/platform.h"

namespace {

constexpr int kHandCursorResource = 1032;
constexpr platform::Color kNormal = platform::rgb(0, 0, 255);
constexpr platform::Color kHovered = platform::rgb(51, 153, 255);
constexpr platform::Color kVisited = platform::rgb(128, 0, 0);

struct LinkState {
    bool hovered = false;
    bool visited = false;
};
LinkState link;

platform::Color currentColor() {
    if (link.visited) return kVisited;
    return link.hovered ? kHovered : kNormal;
}

void paint(platform::Window window) {
    using namespace platform::dt;
    paintCaption(window, {}, Center | VCenter | SingleLine | NoPrefix | NoClip, currentColor());
}

void setHovered(platform::Window window, bool hovered) {
    if (link.hovered == hovered) return;
    link.hovered = hovered;
    platform::invalidateRect(window, false);
}

// The link holds the mouse while hovered, so it sees the pointer leave its rectangle.
void onMouseMove(platform::Window window) {
    platform::Point pointer;
    const bool inside = platform::cursorPos(pointer) && platform::pointInWindow(window, pointer);
    if (inside && platform::captureWindow() != window) platform::setCapture(window);
    if (!inside && platform::captureWindow() == window) platform::releaseCapture();
    setHovered(window, inside);
}

platform::LResult PLATFORM_WINAPI linkWindowProc(platform::Window window, unsigned message,
                                 platform::WParam wParam, platform::LParam lParam) {
    if (platform::LResult result = 0; handleFontMessage(window, message, wParam, result))
        return result;
    switch (message) {
    case platform::msg::Paint:
        paint(window);
        return 0;
    case platform::msg::EraseBkgnd:
        return 1;
    case platform::msg::MouseMove:
        onMouseMove(window);
        return 0;
    case platform::msg::CaptureChanged:
        setHovered(window, false);
        return 0;
    case platform::msg::LButtonDown:
        runBoundHandler(controlOfId(platform::controlId(window)), ControlEvent::Pressed);
        return 0;
    default:
        return platform::defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

const char* const kLinkClassName = "SpruceLink";

void registerLinkClass() {
    platform::registerClass(kLinkClassName, linkWindowProc, kHandCursorResource);
}

void setContactLinkVisited(bool visited) {
    link.visited = visited;
    platform::invalidateRect(windowHandle(Control::ContactLink), false);
}

bool contactLinkVisited() { return link.visited; }

void resetLinkState() { link = LinkState{}; }
