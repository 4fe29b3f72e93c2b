#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "docformat/RtfReader.h"
#include "text/RichText.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeReport.h"

namespace sorvel {

struct UnicodeImportOptions {
    // The Pali font to put the Pali text in. Plain text takes this whole
    // format; in RTF the runs that are Pali text take its face, character
    // set and pitch and family, and keep the rest of their own format.
    FontDescription paliFormat;
    // RTF runs in this face are Pali text even where they hold no letter
    // beyond Windows-1252 (what UnicodeExport::toRtf writes comes back).
    std::string unicodeFace = std::string(UnicodeExportOptions::kDefaultUnicodeFace);
    // Put every run of RTF into the Pali font.
    bool everyRun = false;
    // What a character that cannot be shown becomes.
    char replacement = '?';
};

// Unicode text and Unicode RTF into an 8-bit document in a Pali font.
//
// Which runs of RTF are Pali text: every run with `everyRun`; otherwise a
// run in one of the five Pali fonts, a run in `unicodeFace`, and a run that
// holds a Pali letter that the RTF gave in Unicode and its own font cannot
// take (\u257 in Times New Roman; a run whose character set has the letter,
// such as Baltic text with its long a, stays as it is). Pali text is
// composed (PaliComposition) and put into the Pali font (PaliCharMap); any
// other run keeps its font and its text. Every character that ends up as a
// replacement is in the report: those the Pali font cannot show, and those
// of other runs that their font cannot take.
class UnicodeImport {
  public:
    struct Result {
        RichText document;
        UnicodeReport report;
    };

    static Result fromUtf8(std::string_view utf8, const UnicodeImportOptions& options);
    // Nothing when the bytes are no RTF.
    static std::optional<Result> fromRtf(std::string_view rtf, const UnicodeImportOptions& options);
    // A document already read, with the characters its RTF gave as \uN.
    static Result fromDocument(const RichText& doc,
                               const std::vector<RtfReader::UnicodeCharacter>& unicode,
                               const UnicodeImportOptions& options);
};

}  // namespace sorvel
