#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"

namespace sorvel {

// One of the 21 special Pali letters.
struct PaliLetter {
    int number;                       // 1 (long a) to 21 (overdot N)
    std::string_view name;            // "long a"
    std::string_view letterKey;       // the two characters inside the intermediate code
    std::array<uint8_t, 5> fontChar;  // the letter's byte in each font of kPaliFonts
};

inline constexpr int kPaliLetterCount = 21;

// The letters in their fixed order; the position + 1 is the letter's number.
const std::array<PaliLetter, kPaliLetterCount>& paliLetters();

// The letter's font-neutral intermediate code, "[&P" + key + "]" (six characters).
std::string intermediateCode(int letterNumber);

// The letter whose intermediate code `text` begins with, or 0.
int intermediateCodeLetter(std::string_view text);

// For each byte, the number of the first letter (in letter order) that the
// font puts there, or 0; all 0 for a kind that is no Pali font. Letter order
// decides where two letters share a byte.
std::array<uint8_t, 256> lettersOfFont(PaliFontKind kind);

// The letter's byte in one of the five Pali fonts.
uint8_t fontCharacter(int letterNumber, PaliFontKind kind);

// The letter's character as a one-character string.
std::string fontCharacterString(int letterNumber, PaliFontKind kind);

}  // namespace sorvel
