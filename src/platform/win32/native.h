// Shared by the win32 backend only: <windows.h>, the casts between the seam's opaque handles
// and the system's, and the conversion of GBK texts to UTF-16 and back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace platform::win32 {

inline HWND hwnd(Window window) { return reinterpret_cast<HWND>(window); }
inline Window handle(HWND window) { return reinterpret_cast<Window>(window); }

// On x64 (and on x86 with PLATFORM_WINAPI) the program's procedures have WNDPROC's ABI.
inline WNDPROC nativeProc(WindowProc proc) { return reinterpret_cast<WNDPROC>(proc); }
inline WindowProc programProc(LONG_PTR proc) { return reinterpret_cast<WindowProc>(proc); }

// The program's texts are GBK; the wide entry points make them read right on every locale.
std::wstring wide(const char* gbk, std::size_t length);
inline std::wstring wide(const Text& gbk) { return wide(gbk.data(), gbk.size()); }
inline std::wstring wide(const char* gbk) { return wide(gbk, std::char_traits<char>::length(gbk)); }
Text gbk(const wchar_t* text, std::size_t length);

// Local wall-clock time as a FILETIME count (100 ns units), from the precise system time where
// the system has it: the clock that both localTime and the wall-clock ticks read.
std::int64_t localTimeNow();
inline Text gbk(const std::wstring& text) { return gbk(text.data(), text.size()); }

}  // namespace platform::win32
