#pragma once

#include <string_view>

#include "pali/PaliFontKind.h"
#include "text/RichText.h"
#include "unicode/UnicodeReport.h"

namespace sorvel {

// Pali font conversion of a whole document, run by run: only the runs whose
// face is of the source font are converted, and they take the target's
// face (nothing else of their format changes); every other run keeps its bytes and its format. So a
// document that mixes a Pali font with others converts without touching the others, which a
// conversion of the whole text in one font cannot promise.
//
// The letters go through Unicode (PaliCharMap): a source byte becomes its
// character, and the character the target's byte. A character that the
// target cannot show (a Windows-1252 character at a byte where the target
// has a letter, such as "à" going into Times_CSX+, whose 224 is long a)
// becomes the replacement and is reported, where a byte-wise conversion
// would silently turn it into a letter.
class DocumentFontConversion {
  public:
    struct Result {
        RichText document;
        UnicodeReport report;
        long convertedCharacters = 0;  // characters in runs of the source font
    };

    // `targetFace` is a face of the target font. `overdotM` reads the m
    // byte that VriRomanPali and SKT_Times share as overdot m.
    static Result convert(const RichText& doc, PaliFontKind source, std::string_view targetFace,
                          bool overdotM = false, char replacement = '?');
};

}  // namespace sorvel
