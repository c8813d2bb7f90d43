// Text: the program's byte strings, in GBK (code page 936). Lengths are bytes; a Chinese
// character takes two. Sources stay UTF-8: the _gbk literal converts at compile time, so the
// bytes are the same whichever compiler or execution character set builds the program.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/gbk_table.h"

using Text = std::string;

namespace gbk_literal {

template <std::size_t N>
struct Utf8Source {
    char bytes[N]{};
    consteval Utf8Source(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
    }
};

template <std::size_t N>
struct Converted {
    char bytes[N]{};
    std::size_t size = 0;
};

consteval unsigned gbkCodeOf(char32_t cp) {
    for (const auto& row : kGbkTable)
        if (row.codePoint == cp) return row.gbk;
    throw "character missing from gbk_table.h: run tools/gen_gbk_table.py";
}

// A GBK text is never longer than its UTF-8 source (1->1, 2->2, 3->2 bytes).
template <std::size_t N>
consteval Converted<N> convert(const Utf8Source<N>& in) {
    Converted<N> out;
    std::size_t i = 0;
    while (i + 1 < N) {
        const auto b = static_cast<unsigned char>(in.bytes[i]);
        if (b < 0x80) {
            out.bytes[out.size++] = static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        std::size_t len = 0;
        if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else throw "only one- to three-byte UTF-8 characters are expected";
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(in.bytes[i + k]) & 0x3F);
        i += len;
        const unsigned code = gbkCodeOf(cp);
        out.bytes[out.size++] = static_cast<char>(code >> 8);
        out.bytes[out.size++] = static_cast<char>(code & 0xFF);
    }
    return out;
}

template <Utf8Source S>
inline constexpr auto stored = convert(S);

}  // namespace gbk_literal

// "已开启！"_gbk: the GBK bytes of a UTF-8 literal, as a view of static storage.
template <gbk_literal::Utf8Source S>
consteval std::string_view operator""_gbk() {
    return {gbk_literal::stored<S>.bytes, gbk_literal::stored<S>.size};
}
