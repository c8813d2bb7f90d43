// The program's window tree as JSON.
#include "inspector/window_tree.h"

namespace inspector {

namespace {

// Outer rectangle relative to the parent's client area (screen for a top-level window).
RECT relativeRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow())
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void writeComboState(Json& json, HWND window) {
    json.key("selection").value(static_cast<long long>(ask(window, CB_GETCURSEL)));
    json.key("items").beginArray();
    const auto count = static_cast<int>(ask(window, CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        const auto length = static_cast<std::size_t>(ask(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(i)));
        std::wstring item(length + 1, L'\0');
        ask(window, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(length);
        json.value(item);
    }
    json.endArray();
    json.key("dropped").value(ask(window, CB_GETDROPPEDSTATE) != 0);
}

// Extra state a user can see of the standard controls.
void writeControlState(Json& json, HWND window, const std::wstring& className) {
    if (_wcsicmp(className.c_str(), L"BUTTON") == 0)
        json.key("checked").value(static_cast<long long>(ask(window, BM_GETCHECK)));
    else if (_wcsicmp(className.c_str(), L"EDIT") == 0)
        json.key("limit").value(static_cast<long long>(ask(window, EM_GETLIMITTEXT)));
    else if (_wcsicmp(className.c_str(), L"COMBOBOX") == 0)
        writeComboState(json, window);
}

void writeWindow(Json& json, HWND window, int zIndex) {
    const std::wstring className = classOf(window);
    RECT screen{};
    GetWindowRect(window, &screen);
    RECT client{};
    GetClientRect(window, &client);
    HWND parent = GetAncestor(window, GA_PARENT);
    const bool topLevel = !parent || parent == GetDesktopWindow();
    json.beginObject();
    json.key("hwnd").value(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
    json.key("class").value(className);
    json.key("text").value(textOf(window));
    json.key("id").value(static_cast<long long>(topLevel ? 0 : GetDlgCtrlID(window)));
    json.key("rect").rect(relativeRect(window));
    json.key("screen").rect(screen);
    json.key("client").rect(client);
    json.key("parentId").value(static_cast<long long>(topLevel ? -1 : GetDlgCtrlID(parent)));
    json.key("visible").value(IsWindowVisible(window) != 0);
    json.key("enabled").value(IsWindowEnabled(window) != 0);
    json.key("style").value(static_cast<long long>(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))));
    json.key("exStyle").value(static_cast<long long>(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))));
    json.key("z").value(static_cast<long long>(zIndex));
    // Wine keeps the X11 window of a top-level window in this property; keys go there.
    json.key("x11").value(static_cast<long long>(
        reinterpret_cast<INT_PTR>(GetPropW(window, L"__wine_x11_whole_window"))));
    writeControlState(json, window, className);
    json.key("children").beginArray();
    int childIndex = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        writeWindow(json, child, childIndex++);
    json.endArray();
    json.endObject();
}

void writeWindowRef(Json& json, const char* name, HWND window) {
    json.key(name);
    if (!window) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("hwnd").value(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
    json.key("id").value(static_cast<long long>(GetDlgCtrlID(window)));
    json.key("class").value(classOf(window));
    json.endObject();
}

}  // namespace

void writeTree(Json& json, const Target& target) {
    json.key("found").value(target.window != nullptr);
    if (!target.window) return;
    json.key("pid").value(static_cast<long long>(target.processId));
    json.key("tid").value(static_cast<long long>(target.threadId));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const bool known = GetGUIThreadInfo(target.threadId, &info) != 0;
    writeWindowRef(json, "focus", known ? info.hwndFocus : nullptr);
    writeWindowRef(json, "active", known ? info.hwndActive : nullptr);
    writeWindowRef(json, "foreground", GetForegroundWindow());
    json.key("window");
    writeWindow(json, target.window, 0);
}

}  // namespace inspector
