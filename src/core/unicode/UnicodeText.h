#pragma once

#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"
#include "unicode/UnicodeReport.h"

namespace sorvel {

// Plain text between an 8-bit font and Unicode (see PaliCharMap for what
// each byte stands for).
class UnicodeText {
  public:
    // 8-bit text in a font of `kind` as Unicode. Every byte gives one
    // character, so the text keeps its CR LF breaks.
    static std::u32string fromFont(std::string_view bytes, PaliFontKind kind,
                                   bool overdotM = false);
    static std::string fromFontToUtf8(std::string_view bytes, PaliFontKind kind,
                                      bool overdotM = false);

    struct FontText {
        std::string bytes;
        UnicodeReport report;  // what the font could not take
    };

    // Unicode text in a font of `kind`, as 8-bit text with CR LF breaks.
    // The Pali letters are composed first; CR LF, a lone CR or LF and the
    // line and paragraph separators (U+2028, U+2029) are breaks; a
    // byte-order mark at the start is dropped. A character that the font
    // cannot show becomes `replacement` and goes into the report.
    static FontText toFont(std::u32string_view text, PaliFontKind kind, char replacement = '?');
    // The same for UTF-8; a malformed sequence counts as U+FFFD, which no
    // font shows.
    static FontText utf8ToFont(std::string_view utf8, PaliFontKind kind, char replacement = '?');
};

}  // namespace sorvel
