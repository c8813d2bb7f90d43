// Finding the program under test and talking to its windows from another process.
#pragma once

#include <windows.h>

#include <string>

namespace inspector {

// The caption the program's main window carries: 云杉鼠标连点器.
inline constexpr wchar_t kCaption[] = L"\u4e91\u6749\u9f20\u6807\u8fde\u70b9\u5668";

struct Target {
    HWND window = nullptr;
    DWORD processId = 0;
    DWORD threadId = 0;
};

// The top-level window captioned kCaption that is not a dialog box; window null if none.
Target findTarget();

// SendMessageTimeout with a bound, so a hung program cannot hang the inspector.
LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::wstring classOf(HWND window);
std::wstring textOf(HWND window);  // WM_GETTEXT, answered by the window's own procedure
// A descendant of root with the control id, searched depth-first; null if none.
HWND findControl(HWND root, int id);

}  // namespace inspector
