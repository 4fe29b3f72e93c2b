#include "docformat/RtfFontFamily.h"

#include <array>

namespace sorvel::rtffamily {

namespace {

// Indexed by the family nibble: don't care, roman, swiss, modern, script, decorative.
constexpr std::array<std::string_view, 6> kKeywords = {"fnil",    "froman",  "fswiss",
                                                       "fmodern", "fscript", "fdecor"};

}  // namespace

std::string_view keywordOf(uint8_t pitchAndFamily) {
    const unsigned family = pitchAndFamily >> 4;
    return family < kKeywords.size() ? kKeywords[family] : std::string_view();
}

int familyOfKeyword(std::string_view keyword) {
    for (std::size_t i = 0; i < kKeywords.size(); ++i) {
        if (kKeywords[i] == keyword) {
            return static_cast<int>(i) << 4;
        }
    }
    if (keyword == "ftech") {
        return 0x50;  // symbol fonts count as decorative
    }
    if (keyword == "fbidi") {
        return 0x00;
    }
    return -1;
}

bool representable(uint8_t pitchAndFamily) {
    return (pitchAndFamily & 0x0C) == 0 && (pitchAndFamily >> 4) < kKeywords.size();
}

}  // namespace sorvel::rtffamily
