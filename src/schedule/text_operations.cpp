// Comparison, length and concatenation of texts, by bytes.
#include <new>
#include <stdexcept>

#include "app/fatal_error.h"
#include "schedule/conversions.h"

int compareText(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[i]);
        if (byteA != byteB) return byteA < byteB ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::int32_t textLength(std::string_view t) { return static_cast<std::int32_t>(t.size()); }

Text allocationFailureMessage(std::size_t bytes) {
    return Text("分配 "_gbk) + std::to_string(bytes) + Text(" 字节内存失败!"_gbk);
}

Text concatTexts(std::initializer_list<std::string_view> parts) {
    // Counted like a C string: the terminating byte is part of the request.
    std::size_t requested = 1;
    for (const auto part : parts) requested += part.size();
    Text joined;
    try {
        joined.reserve(requested - 1);
    } catch (const std::bad_alloc&) {
        fatalError(allocationFailureMessage(requested));
    } catch (const std::length_error&) {
        fatalError(allocationFailureMessage(requested));
    }
    for (const auto part : parts) joined += part;
    return joined;
}
