// The JSON writer of json_writer.h.
#include "inspector/json_writer.h"

#include <cstdio>

namespace inspector {

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

void Json::separate() {
    if (needComma_) out_ += ',';
    needComma_ = true;
}

Json& Json::beginObject() {
    separate();
    out_ += '{';
    needComma_ = false;
    return *this;
}

Json& Json::endObject() {
    out_ += '}';
    needComma_ = true;
    return *this;
}

Json& Json::beginArray() {
    separate();
    out_ += '[';
    needComma_ = false;
    return *this;
}

Json& Json::endArray() {
    out_ += ']';
    needComma_ = true;
    return *this;
}

Json& Json::key(const char* name) {
    value(name);
    out_ += ':';
    needComma_ = false;
    return *this;
}

Json& Json::value(const std::wstring& text) { return value(utf8(text).c_str()); }

Json& Json::value(const char* text) {
    separate();
    out_ += '"';
    for (const char* p = text; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out_ += escaped;
        } else {
            out_ += static_cast<char>(c);
        }
    }
    out_ += '"';
    return *this;
}

Json& Json::value(long long number) {
    separate();
    out_ += std::to_string(number);
    return *this;
}

Json& Json::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

Json& Json::null() {
    separate();
    out_ += "null";
    return *this;
}

Json& Json::rect(const RECT& r) {
    beginArray().value(static_cast<long long>(r.left)).value(static_cast<long long>(r.top));
    return value(static_cast<long long>(r.right)).value(static_cast<long long>(r.bottom)).endArray();
}

}  // namespace inspector
