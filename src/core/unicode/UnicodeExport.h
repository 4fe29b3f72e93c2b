#pragma once

#include <string>
#include <string_view>

#include "text/RichText.h"

namespace sorvel {

struct UnicodeExportOptions {
    // The face in which Unicode RTF sets the text of Pali-font runs: a font
    // that has all 21 letters. Gentium Plus is made for such letters and is
    // free on every system (Debian: fonts-sil-gentiumplus).
    static constexpr std::string_view kDefaultUnicodeFace = "Gentium Plus";

    // Read the byte that VriRomanPali and SKT_Times share for both dotted
    // m's as overdot m (U+1E41) instead of underdot m (U+1E43).
    bool overdotM = false;
    std::string unicodeFace = std::string(kDefaultUnicodeFace);
    // Plain text: LF between paragraphs instead of CR LF.
    bool lfBreaks = false;
};

// A document in Unicode, run by run: a run whose face is one of the five
// Pali fonts gives its letters as the Unicode letters (PaliCharMap), any
// other run gives each byte the character it has in the code page of the
// run's character set (Windows-1252 for most). The face decides by its
// prefix alone: a loaded user table for a Pali font changes how that font
// is typed, not what its bytes are.
class UnicodeExport {
  public:
    // One character for each position of the text (CodePage::kContinuation
    // at the second byte of a double-byte character).
    static std::u32string characters(const RichText& doc, bool overdotM = false);

    // UTF-8 text, without byte-order mark, a paragraph per line.
    static std::string toUtf8(const RichText& doc, const UnicodeExportOptions& options = {});

    // RTF with the Pali-font runs in `options.unicodeFace` and their letters
    // as \uN; every other run, and every format, as the document has them.
    static std::string toRtf(const RichText& doc, const UnicodeExportOptions& options = {});

    // The document with every format in a Pali font moved to `unicodeFace`:
    // the formats that toRtf writes.
    static RichText withUnicodeFace(const RichText& doc, std::string_view unicodeFace);
};

}  // namespace sorvel
