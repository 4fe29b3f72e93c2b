#include "unicode/FontToUtf8Stream.h"

#include "common/Utf8.h"
#include "pali/PaliCharMap.h"

namespace sorvel {

FontToUtf8Stream::FontToUtf8Stream(PaliFontKind kind, bool overdotM) {
    const PaliCharMap& map = PaliCharMap::of(kind, overdotM);
    for (int b = 0; b < 256; ++b) {
        Utf8::append(utf8_[b], map.toUnicode(static_cast<uint8_t>(b)));
    }
}

void FontToUtf8Stream::push(std::string_view in, std::string& out) {
    out.reserve(out.size() + in.size() + in.size() / 4);
    for (const char b : in) {
        out += utf8_[static_cast<uint8_t>(b)];
    }
}

}  // namespace sorvel
