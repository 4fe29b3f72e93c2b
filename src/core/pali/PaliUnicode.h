#pragma once

#include <cstdint>
#include <optional>

#include "pali/PaliFontKind.h"

namespace sorvel {

// The 21 Pali letters as Unicode characters (precomposed), in letter order.
char32_t paliLetterUnicode(int letterNumber);

// The number of the Pali letter that a Unicode character is, or 0.
int paliLetterOfUnicode(char32_t ch);

// The byte of a Pali font for a Unicode Pali letter, or nothing when the
// character is no Pali letter or the kind is no Pali font.
std::optional<uint8_t> paliFontByteOfUnicode(char32_t ch, PaliFontKind kind);

}  // namespace sorvel
