// GBK (code page 936) to UTF-16 and back, at the boundary to the wide Win32 calls.
#include "platform/win32/native.h"

namespace platform::win32 {

namespace {
constexpr UINT kGbk = 936;
}

std::wstring wide(const char* gbkText, std::size_t length) {
    if (length == 0) return {};
    const int inLength = static_cast<int>(length);
    const int size = MultiByteToWideChar(kGbk, 0, gbkText, inLength, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(kGbk, 0, gbkText, inLength, out.data(), size);
    return out;
}

Text gbk(const wchar_t* text, std::size_t length) {
    if (length == 0) return {};
    const int inLength = static_cast<int>(length);
    const int size = WideCharToMultiByte(kGbk, 0, text, inLength, nullptr, 0, nullptr, nullptr);
    Text out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(kGbk, 0, text, inLength, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace platform::win32
