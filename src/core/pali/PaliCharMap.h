#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pali/PaliFontKind.h"

namespace sorvel {

// What the 256 bytes of a font stand for in Unicode, and back.
//
// In one of the five Pali fonts the bytes of the 21 letters are the letters
// (U+0101 for long a and so on) and every other byte is its Windows-1252
// character; in any other font every byte is its Windows-1252 character.
// VriRomanPali and SKT_Times have one byte for both dotted m's: it reads as
// underdot m (U+1E43), or as overdot m (U+1E41) when asked.
//
// Back from Unicode, a letter becomes the font's byte (both dotted m's the
// shared byte), and a Windows-1252 character its byte unless the font shows a
// letter at that byte: "±" has no place in VriRomanPali, whose byte 177 is
// long a. Whatever else has no byte in the font.
class PaliCharMap {
  public:
    static const PaliCharMap& of(PaliFontKind kind, bool overdotM = false);

    PaliFontKind kind() const { return kind_; }
    char32_t toUnicode(uint8_t byte) const { return chars_[byte]; }
    std::optional<uint8_t> toByte(char32_t ch) const {
        if (ch < 0x100) {
            const int16_t b = latin_[ch];
            return b < 0 ? std::nullopt : std::optional<uint8_t>(static_cast<uint8_t>(b));
        }
        return toByteBeyondLatin1(ch);
    }
    // Appends the characters of `bytes`.
    void decode(std::string_view bytes, std::u32string& out) const;

  private:
    PaliCharMap(PaliFontKind kind, bool overdotM);
    std::optional<uint8_t> toByteBeyondLatin1(char32_t ch) const;

    PaliFontKind kind_;
    std::array<char32_t, 256> chars_{};
    std::array<int16_t, 256> latin_{};                  // U+0000 to U+00FF: the byte, or -1
    std::vector<std::pair<char32_t, uint8_t>> others_;  // beyond, sorted
};

}  // namespace sorvel
