// Window classes, creation and destruction, window procedures and sent/posted messages.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using platform::Window;

struct SystemClass {
    const char* name;
    Kind kind;
};
constexpr SystemClass kSystemClasses[] = {
    {"BUTTON", Kind::Button}, {"EDIT", Kind::Edit}, {"COMBOBOX", Kind::Combo}};

// A new top-level window goes to the top of the windows that are not topmost.
void insertTopLevel(Window window) {
    auto& order = desktop().topLevel;
    const auto firstPlain = std::find_if(order.begin(), order.end(),
                                         [](Window w) { return !w->topmost; });
    order.insert(firstPlain, window);
}

void unlink(Window window) {
    auto& siblings = window->parent ? window->parent->children : desktop().topLevel;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
}

bool inSubtree(Window root, Window window) {
    for (Window w = window; w; w = w->parent)
        if (w == root) return true;
    return false;
}

// WM_DESTROY goes from the parent down, WM_NCDESTROY from the children up, as on Windows.
void sendDestroy(Window window) {
    if (!alive(window)) return;
    send(window, platform::msg::Destroy);
    const std::vector<Window> children = window->children;
    for (Window child : children) sendDestroy(child);
}

void finishDestroy(Window window) {
    if (!alive(window)) return;
    const std::vector<Window> children = window->children;
    for (Window child : children) finishDestroy(child);
    send(window, platform::msg::NcDestroy);
    killTimersOf(window);
    releaseHotkeysOf(window);
    window->alive = false;
    window->invalid = false;
}

}  // namespace

namespace platform {

void registerClass(const char* className, WindowProc proc, int cursorResource) {
    auto& classes = desktop().classes;
    const std::string name = className ? className : "";
    for (WindowClass& c : classes)
        if (equalsIgnoringCase(c.name, name)) return;  // Windows refuses a second registration
    classes.push_back({name, proc, cursorResource});
}

Window createWindow(const char* className, const Text& text, std::uint32_t style,
                    std::uint32_t exStyle, Rect rect, Window parent, int id) {
    Desktop& d = desktop();
    ++d.createCalls;
    const std::string name = className ? className : "";
    if (d.failNumber == d.createCalls) return nullptr;
    if (!d.failClass.empty() && equalsIgnoringCase(d.failClass, name)) return nullptr;
    if (parent && !alive(parent)) return nullptr;
    if ((style & style::Child) && !parent) return nullptr;

    auto window = std::make_unique<WindowTag>();
    window->className = name;
    bool known = false;
    for (const SystemClass& c : kSystemClasses)
        if (equalsIgnoringCase(c.name, name)) {
            window->kind = c.kind;
            window->proc = systemProc(c.kind);
            known = true;
        }
    for (const WindowClass& c : d.classes)
        if (!known && equalsIgnoringCase(c.name, name)) {
            window->proc = c.proc;
            window->cursor = c.cursor;
            known = true;
        }
    if (!known) return nullptr;
    window->text = text;
    window->style = style & ~style::Visible;
    window->exStyle = exStyle;
    window->rect = rect;
    window->parent = parent;
    window->id = id;
    Window handle = window.get();
    d.windows.push_back(std::move(window));
    if (parent)
        parent->children.insert(parent->children.begin(), handle);
    else
        insertTopLevel(handle);

    if (send(handle, msg::Create) == -1) {
        destroyWindow(handle);
        return nullptr;
    }
    ++d.created;
    if (style & style::Visible) {
        if (parent) {
            handle->visible = true;
            invalidateTree(handle);
        } else {
            showWindow(handle, show::Show);
        }
    }
    return handle;
}

bool destroyWindow(Window window) {
    if (!alive(window)) return false;
    Desktop& d = desktop();
    moveFocusOutOf(window);
    if (inSubtree(window, d.active)) d.active = nullptr;
    if (alive(d.capture) && inSubtree(window, d.capture)) releaseCapture();
    sendDestroy(window);
    finishDestroy(window);
    unlink(window);
    return true;
}

LResult defWindowProc(Window window, unsigned message, WParam wParam, LParam lParam) {
    switch (message) {
    case msg::SetText:
        if (alive(window)) window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return 1;
    case msg::Close:
        destroyWindow(window);
        return 0;
    case msg::SysCommand:
        if ((wParam & 0xFFF0) == sim::kScClose) send(window, msg::Close);
        return 0;
    case msg::SysKeyDown:
        if (wParam == vk::F4 && (lParam & (1 << 29)))
            postMessage(topLevelOf(window), msg::SysCommand, sim::kScClose, 0);
        return 0;
    case msg::Paint: {
        PaintContext context = beginPaint(window);
        endPaint(context);
        return 0;
    }
    case msg::EraseBkgnd:
        eraseBackground(window, wParam);
        return 1;
    default:
        return 0;
    }
}

WindowProc setWindowProc(Window window, WindowProc proc) {
    if (!alive(window)) return nullptr;
    WindowProc previous = window->proc;
    window->proc = proc;
    return previous;
}

LResult callWindowProc(WindowProc proc, Window window, unsigned message, WParam wParam,
                       LParam lParam) {
    return proc ? proc(window, message, wParam, lParam) : 0;
}

LResult sendMessage(Window window, unsigned message, WParam wParam, LParam lParam) {
    return send(window, message, wParam, lParam);
}

bool postMessage(Window window, unsigned message, WParam wParam, LParam lParam) {
    if (window && !alive(window)) return false;
    desktop().posted.push_back({{window, message, wParam, lParam}, false, {}});
    return true;
}

int controlId(Window window) { return alive(window) ? window->id : 0; }

}  // namespace platform
