// Folding of GBK full-width characters to ASCII, so that numbers typed with a Chinese input
// method convert like their ASCII spelling.
#include "schedule/conversions.h"

namespace {

struct FoldedPair {
    unsigned char lead, trail;
    char ascii;
};

// The single pairs outside the full-width row that still read as ASCII.
constexpr FoldedPair kFoldedPairs[] = {
    {0xA1, 0xA1, ' '},  // ideographic space
    {0xA1, 0xAB, '~'},  // fullwidth tilde
    {0xA1, 0xEE, '*'},  // white star
    {0xA1, 0xEF, '*'},  // black star
};

// GBK row A3 holds the full-width forms of 0x21..0x7E at trail byte + 0x80.
constexpr unsigned char kFullWidthRowLead = 0xA3;
constexpr unsigned char kFullWidthRowFirst = 0xA1;
constexpr unsigned char kFullWidthRowLast = 0xFE;

bool foldPair(unsigned char lead, unsigned char trail, char& ascii) {
    if (lead == kFullWidthRowLead && trail >= kFullWidthRowFirst && trail <= kFullWidthRowLast) {
        ascii = static_cast<char>(trail - 0x80);
        return true;
    }
    for (const auto& pair : kFoldedPairs) {
        if (pair.lead == lead && pair.trail == trail) {
            ascii = pair.ascii;
            return true;
        }
    }
    return false;
}

}  // namespace

Text foldFullWidth(std::string_view t) {
    Text folded;
    folded.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto lead = static_cast<unsigned char>(t[i]);
        if (lead < 0x80) {
            folded += t[i];
            continue;
        }
        // A lead byte cut off at the end has no character to belong to.
        if (i + 1 == t.size()) break;
        const auto trail = static_cast<unsigned char>(t[i + 1]);
        char ascii = 0;
        if (foldPair(lead, trail, ascii)) {
            folded += ascii;
        } else {
            folded += t[i];
            folded += t[i + 1];
        }
        ++i;
    }
    return folded;
}
