#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sorvel {

// The characters of one Windows code page, as RTF names them: `\ansicpgN`,
// a font's `\cpgN`, or the code page that a font's `\fcharsetN` implies.
//
// A document's text is 8-bit and each character's font carries its
// character set, so a byte of RTF text is kept as it is; a code page is
// needed for the Unicode characters that RTF also carries (\uN), which
// become the byte of the font's code page. The double-byte East Asian code
// pages carry no character beyond ASCII in one byte.
class CodePage {
  public:
    // The code page of a code-page number; Windows-1252 for 0, 1252 and any
    // number not known.
    static const CodePage& of(int number);
    // The code page that a font's character set implies; `ansiCodePage` for
    // the default character set or an unknown one; 0 for the symbol set.
    static int ofCharSet(int charSet, int ansiCodePage);
    // The character set of a code page's fonts (0, ANSI, when none fits).
    static int charSetOf(int codePage);

    // Its name for people: "Windows-1252", "code page 437", "Mac Roman".
    std::string name() const;

    // The byte of a Unicode character in this code page, or nothing.
    std::optional<uint8_t> fromUnicode(char32_t ch) const;

    // What decode() puts at the second byte of a double-byte character.
    static constexpr char32_t kContinuation = 0xFFFF;
    // Appends one character for each byte of `bytes`: the Unicode character
    // it stands for, U+FFFD for a byte that stands for none, and for a
    // double-byte character its character at the first byte and
    // kContinuation at the second.
    void decode(std::string_view bytes, std::u32string& out) const;

  private:
    CodePage() = default;
    static CodePage make(int number);

    int number_ = 1252;
    bool windows1252_ = true;
    std::unordered_map<char32_t, uint8_t> bytes_;  // the upper half of a single-byte page
    std::array<char32_t, 128> chars_{};            // and the other way round
};

}  // namespace sorvel
