#include "pali/PaliUnicode.h"

#include <array>

#include "pali/PaliLetters.h"

namespace sorvel {

namespace {

constexpr std::array<char32_t, kPaliLetterCount> kUnicode = {
    0x0101, 0x0100, 0x012B, 0x012A, 0x016B, 0x016A, 0x1E0D, 0x1E0C, 0x1E37, 0x1E36, 0x1E43,
    0x1E42, 0x1E41, 0x1E47, 0x1E46, 0x1E6D, 0x1E6C, 0x00F1, 0x00D1, 0x1E45, 0x1E44};

}  // namespace

char32_t paliLetterUnicode(int letterNumber) {
    return kUnicode[letterNumber - 1];
}

int paliLetterOfUnicode(char32_t ch) {
    for (std::size_t i = 0; i < kUnicode.size(); ++i) {
        if (kUnicode[i] == ch) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::optional<uint8_t> paliFontByteOfUnicode(char32_t ch, PaliFontKind kind) {
    const int letter = paliLetterOfUnicode(ch);
    if (letter == 0 || !isPaliFont(kind)) {
        return std::nullopt;
    }
    return fontCharacter(letter, kind);
}

}  // namespace sorvel
