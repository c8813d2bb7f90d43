// The inspector's commands: what a user or another program can do to the program under test.
#include "inspector/commands.h"

#include <psapi.h>

#include <cstdlib>

#include "inspector/target.h"
#include "inspector/window_tree.h"

namespace inspector {

namespace {

using Words = std::vector<std::string>;

constexpr int kHotkeyIdBase = 0x1000;

// The process handle opened by "watch", so its exit code stays readable after it ends.
HANDLE watchedProcess = nullptr;

long long number(const Words& words, std::size_t index, long long fallback = 0) {
    return index < words.size() ? std::strtoll(words[index].c_str(), nullptr, 0) : fallback;
}

std::wstring fromHexUtf8(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, out.data(), size);
    return out;
}

void fail(Json& json, const char* error) { json.key("ok").value(false).key("error").value(error); }

// The control with the id in the program's window, or an error answer.
HWND control(const Words& words, Json& json) {
    const Target target = findTarget();
    if (!target.window) {
        fail(json, "program window not found");
        return nullptr;
    }
    HWND window = findControl(target.window, static_cast<int>(number(words, 1)));
    if (!window) fail(json, "no control with that id");
    return window;
}

void click(const Words& words, Json& json) {
    HWND button = control(words, json);
    if (!button) return;
    // Posted, so a handler that opens a message box does not block the inspector.
    json.key("ok").value(PostMessageW(button, BM_CLICK, 0, 0) != 0);
}

void mouseClick(const Words& words, Json& json) {
    HWND window = control(words, json);
    if (!window) return;
    RECT r{};
    GetWindowRect(window, &r);
    const bool right = words.size() > 2 && words[2] == "right";
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    json.key("ok").value(SendInput(2, inputs, sizeof(INPUT)) == 2);
}

void setText(const Words& words, Json& json) {
    HWND window = control(words, json);
    if (!window) return;
    const std::wstring text = words.size() > 2 ? fromHexUtf8(words[2]) : std::wstring();
    json.key("ok").value(ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0);
}

// As a user's choice in the list: the selection moves, then the parent hears of it.
void selectItem(const Words& words, Json& json) {
    HWND combo = control(words, json);
    if (!combo) return;
    const auto index = static_cast<WPARAM>(number(words, 2));
    const LRESULT selected = ask(combo, CB_SETCURSEL, index);
    HWND parent = GetParent(combo);
    const auto id = static_cast<WORD>(GetDlgCtrlID(combo));
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    json.key("ok").value(selected == static_cast<LRESULT>(index));
}

struct BoxSearch {
    DWORD processId;
    Json* json;
};

BOOL CALLBACK writeBox(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<BoxSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId || classOf(window) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    Json& json = *search.json;
    json.beginObject();
    json.key("hwnd").value(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
    json.key("title").value(textOf(window));
    json.key("text").value(textOf(GetDlgItem(window, 0xFFFF)));  // the message's static control
    json.key("buttons").beginArray();
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(classOf(child).c_str(), L"BUTTON") != 0 || !IsWindowVisible(child)) continue;
        json.beginObject().key("id").value(static_cast<long long>(GetDlgCtrlID(child)));
        json.key("text").value(textOf(child)).endObject();
    }
    json.endArray().endObject();
    return TRUE;
}

void boxes(Json& json) {
    const Target target = findTarget();
    DWORD processId = target.processId;
    if (!processId && watchedProcess) processId = GetProcessId(watchedProcess);
    if (!processId) return fail(json, "program not found");
    json.key("ok").value(true).key("boxes").beginArray();
    BoxSearch search{processId, &json};
    EnumWindows(writeBox, reinterpret_cast<LPARAM>(&search));
    json.endArray();
}

void pressBoxButton(const Words& words, Json& json) {
    HWND box = reinterpret_cast<HWND>(static_cast<INT_PTR>(number(words, 1)));
    const auto id = static_cast<WORD>(number(words, 2));
    json.key("ok").value(
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, id))) != 0);
}

void watch(Json& json) {
    const Target target = findTarget();
    if (!target.window) return fail(json, "program window not found");
    if (watchedProcess) CloseHandle(watchedProcess);
    watchedProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 target.processId);
    json.key("ok").value(watchedProcess != nullptr);
    json.key("pid").value(static_cast<long long>(target.processId));
}

long long hundredNanoseconds(const FILETIME& t) {
    return static_cast<long long>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                  t.dwLowDateTime);
}

// CPU time and memory of the program's process, as Windows reports them to another program.
void processStats(Json& json) {
    const Target target = findTarget();
    if (!target.window) return fail(json, "program window not found");
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                 target.processId);
    if (!process) return fail(json, "cannot open the process");
    FILETIME created{}, exited{}, kernel{}, user{};
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool times = GetProcessTimes(process, &created, &exited, &kernel, &user) != 0;
    const bool counters = K32GetProcessMemoryInfo(process, &memory, sizeof memory) != 0;
    CloseHandle(process);
    json.key("ok").value(times && counters);
    json.key("pid").value(static_cast<long long>(target.processId));
    json.key("cpu100ns").value(hundredNanoseconds(kernel) + hundredNanoseconds(user));
    json.key("workingSet").value(static_cast<long long>(memory.WorkingSetSize));
    json.key("peakWorkingSet").value(static_cast<long long>(memory.PeakWorkingSetSize));
}

void waitExit(const Words& words, Json& json) {
    if (!watchedProcess) return fail(json, "no process watched");
    const auto timeout = static_cast<DWORD>(number(words, 1, 5000));
    const bool exited = WaitForSingleObject(watchedProcess, timeout) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(watchedProcess, &code);
    json.key("ok").value(true).key("exited").value(exited);
    json.key("code").value(exited ? static_cast<long long>(static_cast<int>(code)) : 0LL);
}

void holdHotkey(const Words& words, Json& json) {
    const auto key = static_cast<UINT>(number(words, 1));
    const auto modifiers = static_cast<UINT>(number(words, 2));
    const bool held = RegisterHotKey(nullptr, kHotkeyIdBase + static_cast<int>(key), modifiers, key) != 0;
    json.key("ok").value(true).key("registered").value(held);
}

void releaseHotkey(const Words& words, Json& json) {
    const auto key = static_cast<int>(number(words, 1));
    json.key("ok").value(UnregisterHotKey(nullptr, kHotkeyIdBase + key) != 0);
}

void screen(Json& json) {
    json.key("ok").value(true);
    json.key("width").value(static_cast<long long>(GetSystemMetrics(SM_CXSCREEN)));
    json.key("height").value(static_cast<long long>(GetSystemMetrics(SM_CYSCREEN)));
}

}  // namespace

bool runCommand(const Words& words, Json& json) {
    json.beginObject();
    const std::string name = words.empty() ? "" : words[0];
    if (name == "quit") {
        json.key("ok").value(true).endObject();
        return false;
    }
    if (name == "tree") {
        json.key("ok").value(true);
        writeTree(json, findTarget());
    } else if (name == "click") click(words, json);
    else if (name == "mouse-click") mouseClick(words, json);
    else if (name == "set-text") setText(words, json);
    else if (name == "select") selectItem(words, json);
    else if (name == "boxes") boxes(json);
    else if (name == "press-box") pressBoxButton(words, json);
    else if (name == "watch") watch(json);
    else if (name == "wait-exit") waitExit(words, json);
    else if (name == "hold-hotkey") holdHotkey(words, json);
    else if (name == "release-hotkey") releaseHotkey(words, json);
    else if (name == "screen") screen(json);
    else if (name == "process-stats") processStats(json);
    else fail(json, "unknown command");
    json.endObject();
    return true;
}

}  // namespace inspector
