#pragma once

#include <array>
#include <cstdint>

namespace sorvel {

// The characters of one Windows code page, as RTF names them: `\ansicpgN`,
// a font's `\cpgN`, or the code page that a font's `\fcharsetN` implies.
//
// Single-byte code pages decode through a table of 256 characters; for the
// double-byte East Asian code pages only the lead bytes are known, since no
// character of theirs fits an 8-bit Windows-1252 document anyway.
class CodePage {
  public:
    // The code page of a code-page number; nothing known (or 0) gives the
    // document's 8-bit code page itself, whose bytes are kept as they are.
    static const CodePage& of(int number);
    // The code page that a font's character set implies; `ansiCodePage` for
    // the default character set or an unknown one. 0 for the symbol set,
    // whose bytes are glyph numbers and are kept as they are.
    static int ofCharSet(int charSet, int ansiCodePage);

    // True when bytes are taken over unchanged (Windows-1252 and symbol fonts).
    bool keepsBytes() const { return keepsBytes_; }
    bool isDoubleByte() const { return doubleByte_; }
    bool isLeadByte(uint8_t byte) const { return doubleByte_ && lead_[byte]; }
    // The Unicode character of a single byte; U+FFFD where the code page has none.
    char32_t toUnicode(uint8_t byte) const { return table_[byte]; }

  private:
    CodePage() = default;
    static CodePage make(int number);

    bool keepsBytes_ = true;
    bool doubleByte_ = false;
    std::array<char32_t, 256> table_{};
    std::array<bool, 256> lead_{};
};

}  // namespace sorvel
