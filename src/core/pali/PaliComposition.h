#pragma once

#include <string>
#include <string_view>

namespace sorvel {

// The composition that Pali text in Unicode may need before it can be put
// into a font: a base letter followed by a combining macron (U+0304), dot
// below (U+0323), dot above (U+0307) or tilde (U+0303) becomes the
// precomposed Pali letter they make ("a" U+0304 is U+0101). Only the 21
// Pali letters are composed; every other character, and a mark that makes
// no Pali letter with what precedes it, stays as it is.
class PaliComposition {
  public:
    static std::u32string compose(std::u32string_view text);
    // The Pali letter that `base` and `mark` make, or 0.
    static char32_t composePair(char32_t base, char32_t mark);
};

}  // namespace sorvel
