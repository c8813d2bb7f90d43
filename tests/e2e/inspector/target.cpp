// Finding the program under test and talking to its windows from another process.
#include "inspector/target.h"

namespace inspector {

namespace {

constexpr UINT kAnswerTimeoutMs = 3000;

BOOL CALLBACK considerTopLevel(HWND window, LPARAM found) {
    wchar_t text[64]{};
    GetWindowTextW(window, text, 64);
    if (std::wstring(text) != kCaption || classOf(window) == L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

Target findTarget() {
    Target target;
    EnumWindows(considerTopLevel, reinterpret_cast<LPARAM>(&target.window));
    if (target.window)
        target.threadId = GetWindowThreadProcessId(target.window, &target.processId);
    return target;
}

LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &result))
        return 0;
    return static_cast<LRESULT>(result);
}

std::wstring classOf(HWND window) {
    wchar_t name[256]{};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring textOf(HWND window) {
    const auto length = static_cast<std::size_t>(ask(window, WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<std::size_t>(
        ask(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

HWND findControl(HWND root, int id) {
    for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
        if (HWND inner = findControl(child, id)) return inner;
    }
    return nullptr;
}

}  // namespace inspector
