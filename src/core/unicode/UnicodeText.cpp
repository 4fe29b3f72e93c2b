#include "unicode/UnicodeText.h"

#include "common/Utf8.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliComposition.h"

namespace sorvel {

std::u32string UnicodeText::fromFont(std::string_view bytes, PaliFontKind kind, bool overdotM) {
    std::u32string out;
    PaliCharMap::of(kind, overdotM).decode(bytes, out);
    return out;
}

std::string UnicodeText::fromFontToUtf8(std::string_view bytes, PaliFontKind kind, bool overdotM) {
    const PaliCharMap& map = PaliCharMap::of(kind, overdotM);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char b : bytes) {
        Utf8::append(out, map.toUnicode(static_cast<uint8_t>(b)));
    }
    return out;
}

UnicodeText::FontText UnicodeText::toFont(std::u32string_view text, PaliFontKind kind,
                                          char replacement) {
    if (!text.empty() && text[0] == 0xFEFF) {
        text.remove_prefix(1);
    }
    const std::u32string composed = PaliComposition::compose(text);
    const PaliCharMap& map = PaliCharMap::of(kind);
    FontText result;
    result.bytes.reserve(composed.size());
    long line = 1;
    long column = 0;
    for (std::size_t i = 0; i < composed.size(); ++i) {
        const char32_t c = composed[i];
        if (c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029) {
            if (c == '\r' && i + 1 < composed.size() && composed[i + 1] == '\n') {
                ++i;
            }
            result.bytes += "\r\n";
            ++line;
            column = 0;
            continue;
        }
        ++column;
        if (const std::optional<uint8_t> b = map.toByte(c)) {
            result.bytes += static_cast<char>(*b);
        } else {
            result.bytes += replacement;
            result.report.add(c, line, column);
        }
    }
    return result;
}

UnicodeText::FontText UnicodeText::utf8ToFont(std::string_view utf8, PaliFontKind kind,
                                              char replacement) {
    return toFont(Utf8::toUtf32(Utf8::withoutByteOrderMark(utf8)), kind, replacement);
}

}  // namespace sorvel
