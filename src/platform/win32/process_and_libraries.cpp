// Local time, COM, the program's path and folder, the end of the process, and libraries.
#include "platform/win32/native.h"

#include <ole2.h>

namespace platform::win32 {

std::int64_t localTimeNow() {
    // GetSystemTimeAsFileTime moves only at the system tick, up to 15.6 ms after the second
    // turns; the precise one (Windows 8 and later) is exact.
    using PreciseTime = void(WINAPI*)(LPFILETIME);
    static const auto precise = reinterpret_cast<PreciseTime>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME system{}, local{};
    if (precise)
        precise(&system);
    else
        GetSystemTimeAsFileTime(&system);
    FileTimeToLocalFileTime(&system, &local);
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(local.dwHighDateTime) << 32) |
                                     local.dwLowDateTime);
}

}  // namespace platform::win32

namespace platform {

LocalTime localTime() {
    const auto ticks = static_cast<std::uint64_t>(win32::localTimeNow());
    const FILETIME local{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME now{};
    FileTimeToSystemTime(&local, &now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void oleInitialize() { OleInitialize(nullptr); }

void oleUninitialize() { OleUninitialize(); }

Text moduleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return win32::gbk(path.data(), length);
        path.resize(path.size() * 2);  // truncated: try a larger buffer
    }
}

void setCurrentDirectory(const Text& path) { SetCurrentDirectoryW(win32::wide(path).c_str()); }

void exitProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

Module loadLibrary(const char* name) {
    return reinterpret_cast<Module>(LoadLibraryW(win32::wide(name).c_str()));
}

void* procAddress(Module module, const char* name) {
    // Export names are ASCII; GetProcAddress has no wide form.
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

void freeLibrary(Module module) { FreeLibrary(reinterpret_cast<HMODULE>(module)); }

void* currentProcess() { return GetCurrentProcess(); }

}  // namespace platform
