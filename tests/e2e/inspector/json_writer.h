// A small JSON writer for the inspector's answers: UTF-16 window texts go out as UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace inspector {

std::string utf8(const std::wstring& text);

class Json {
public:
    Json& beginObject();
    Json& endObject();
    Json& beginArray();
    Json& endArray();
    Json& key(const char* name);
    Json& value(const std::wstring& text);
    Json& value(const char* text);
    Json& value(long long number);
    Json& value(bool flag);
    Json& null();
    Json& rect(const RECT& r);
    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    bool needComma_ = false;
};

}  // namespace inspector
