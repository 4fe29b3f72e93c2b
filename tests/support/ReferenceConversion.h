#pragma once

#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"
#include "pali/PaliLetters.h"

namespace sorvel::testing {

// The whole-text replacement in its plainest form, independent of the
// program's own: copy up to each match, then the replacement.
inline void naiveReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    std::string out;
    std::size_t done = 0;
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, done)) {
        out.append(text, done, pos - done);
        out.append(to);
        done = pos + from.size();
    }
    out.append(text, done);
    text = std::move(out);
}

// Pali font conversion written literally as the 42 whole-text steps: every
// letter of the source font to its intermediate code, in letter order, then
// every intermediate code to the target font's letter, in letter order. The
// oracle that the one-pass conversion is checked against.
inline std::string referenceConvertPaliFontText(std::string text, PaliFontKind source,
                                                PaliFontKind target) {
    if (isPaliFont(source)) {
        for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
            naiveReplaceAll(text, fontCharacterString(letter, source), intermediateCode(letter));
        }
    }
    if (isPaliFont(target)) {
        for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
            naiveReplaceAll(text, intermediateCode(letter), fontCharacterString(letter, target));
        }
    }
    return text;
}

}  // namespace sorvel::testing
