#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// The Windows-1252 code page, extended so that every byte is one character:
// the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control characters of the same number. So bytes and
// characters map one to one, both ways.
class Cp1252 {
  public:
    // The Unicode character of a byte.
    static char32_t toUnicode(uint8_t byte);
    // The byte of a Unicode character, or nothing when the code page cannot
    // carry it.
    static std::optional<uint8_t> fromUnicode(char32_t ch);

    // 8-bit text to UTF-8, and back; a character that the code page cannot
    // carry becomes `replacement`. Invalid UTF-8 sequences count as U+FFFD.
    static std::string toUtf8(std::string_view bytes);
    static std::string fromUtf8(std::string_view utf8, char replacement = '?');
};

}  // namespace sorvel
