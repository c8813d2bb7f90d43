// Opening a target with the shell, reading a default value under HKEY_CLASSES_ROOT, and
// starting a command line the way WinExec does (WinExec has no wide form).
#include "platform/win32/native.h"

#include <shellapi.h>

namespace platform {

namespace {

constexpr DWORD kValueBufferBytes = 260;
constexpr DWORD kInputIdleWaitMs = 30000;

// WinExec's results: > 31 on success, else one of these error codes or 0.
unsigned winExecError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_FORMAT: return error;
    default: return 0;
    }
}

}  // namespace

std::intptr_t shellOpen(const Text& target) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", win32::wide(target).c_str(), nullptr,
                                           nullptr, SW_SHOW);
    return reinterpret_cast<std::intptr_t>(result);
}

bool readClassesRootDefault(const Text& subKey, Text& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, win32::wide(subKey).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    wchar_t buffer[kValueBufferBytes]{};
    LONG size = sizeof buffer;
    const LONG status = RegQueryValueW(key, nullptr, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    Text result = win32::gbk(buffer, wcsnlen(buffer, kValueBufferBytes));
    // The program's buffer holds 260 GBK bytes with the terminator.
    if (result.size() >= kValueBufferBytes) return false;
    value = std::move(result);
    return true;
}

unsigned winExec(const Text& commandLine) {
    std::wstring command = win32::wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return winExecError(GetLastError());
    // Like WinExec: return once the new program waits for input, or after the time-out.
    WaitForInputIdle(process.hProcess, kInputIdleWaitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 33;
}

}  // namespace platform
