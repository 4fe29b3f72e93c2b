#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/RichText.h"

namespace sorvel {

// Reads RTF into an 8-bit rich text: what this program writes, and what
// other word processors write.
//
// The text is 8-bit and every character's Font description keeps its font's
// character set, so a byte of RTF text (\'hh) stays that byte, whatever the
// character set (two bytes of an East Asian font stay two). A Unicode character
// (\uN) becomes its byte in the code page of its font (Windows-1252 for ANSI
// and symbol fonts); one that code page cannot carry becomes "?", except a
// Pali letter in a Pali font, which becomes that font's byte. The
// private-use characters U+F020 to U+F0FF, as which symbol and legacy 8-bit
// fonts are written in Unicode, become the byte they stand for.
//
// Each \par ends a paragraph; a last \par with nothing after it ends the
// document rather than starting an empty paragraph, and the format it carries
// becomes the document's default format.
//
// A caller that needs the Unicode characters themselves (to put them into a
// font of its choosing) asks for them with the document: each character that
// came as \uN, at its position in the text.
//
// Bad input is read as far as it makes sense: nesting deeper than
// kMaxDepth groups is skipped, \bin lengths are checked against what is
// left, numbers are clamped and a missing final brace is tolerated. The
// reader never recurses and allocates in proportion to its input.
class RtfReader {
  public:
    static constexpr int kMaxDepth = 1000;

    // True when the bytes start (after blanks or a UTF-8 byte-order mark)
    // with "{\rtf".
    static bool isRtf(std::string_view bytes);
    // A character that the RTF gave as \uN, and where it is in the text.
    struct UnicodeCharacter {
        long position;
        char32_t character;
        friend bool operator==(const UnicodeCharacter&, const UnicodeCharacter&) = default;
    };

    // The document, or nothing when the bytes are no RTF. With `unicode`,
    // also the characters given as \uN, in the order of their positions.
    static std::optional<RichText> read(std::string_view rtf,
                                        std::vector<UnicodeCharacter>* unicode = nullptr);
};

}  // namespace sorvel
