#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "docformat/DocumentReport.h"
#include "text/RichText.h"

namespace sorvel {

// Reads RTF into an 8-bit rich text: what this program writes, and what
// other word processors write.
//
// The text is 8-bit and every character's Font description keeps its font's
// character set, so a byte of RTF text (\'hh) stays that byte, whatever the
// character set (two bytes of an East Asian font stay two). A Unicode character
// (\uN) becomes its byte in the code page of its font (Windows-1252 for ANSI
// and symbol fonts), and a Pali letter in a Pali font that font's byte. The
// private-use characters U+F020 to U+F0FF, as which symbol and legacy 8-bit
// fonts are written in Unicode, become the byte they stand for. What the code
// page cannot carry becomes the file's own fallback text (the \ucN characters
// after it), or "?" where it has none; with a Pali font to put it in, Unicode
// Pali comes into that font instead (see Options).
//
// Each \par ends a paragraph; a last \par with nothing after it ends the
// document rather than starting an empty paragraph, and the format it carries
// becomes the document's default format.
//
// What the document has no place for (footnotes, pictures, list numbers,
// table structure, hidden text, field codes, ...) is left out and, when the
// caller asks, counted in a DocumentReport.
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

    struct Options {
        // Receives what could not be kept.
        DocumentReport* report = nullptr;
        // Where Unicode Pali goes: a Pali letter (\uN, or a letter and a
        // combining accent) that its run's code page cannot carry puts the
        // whole run into this font (its face, character set and pitch and
        // family), composed and converted as Paste Unicode Pali does; what
        // the font cannot show becomes "?" and is reported. Null: such a
        // letter is lost like any other character.
        const FontDescription* paliFont = nullptr;
        // Receives each character that came as \uN, at its position. The
        // caller then decides what they become: every one the code page
        // cannot carry stays "?", without fallback or Pali font.
        std::vector<UnicodeCharacter>* unicode = nullptr;
    };

    // The document, or nothing when the bytes are no RTF.
    static std::optional<RichText> read(std::string_view rtf, const Options& options);
    // The same, with `unicode` as in Options.
    static std::optional<RichText> read(std::string_view rtf,
                                        std::vector<UnicodeCharacter>* unicode = nullptr);
};

}  // namespace sorvel
