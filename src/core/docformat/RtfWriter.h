#pragma once

#include <string>
#include <string_view>

#include "text/RichText.h"

namespace sorvel {

// Writes a rich text as RTF 1.x in Windows-1252.
//
// Every byte from 128 to 255, and every control character, is written as
// \'hh, so that text in a legacy 8-bit font (a Pali font) comes back byte for
// byte from any reader. Bullets are written as the Windows rich-edit control
// writes them (the \pn form, with a \pntext for readers that lack it).
//
// What standard RTF cannot carry exactly is added in control words of our
// own, which other readers ignore as RTF asks them to:
//   \sorvelheightN       a height in twips that is no multiple of 10 (\fs
//                        counts half-points), after the rounded \fs;
//   \sorveloffsetN       likewise for a baseline offset after \up or \dn;
//   \sorvelpitchfamilyN  in the font table, a pitch-and-family byte that
//                        \fprq and the family keyword cannot express.
// The colour of text in automatic colour is not written (\cf0 names the
// empty first entry of the colour table), nor the top byte of a colour.
//
// The format that the document's last paragraph mark carries is the rich
// text's default format, so that an empty document keeps the format in which
// it is typed.
//
// Unicode RTF: given the Unicode character of every position of the text,
// the writer puts a character that is what the byte there stands for in the
// code page of its run's character set as that byte, as above (so text in
// any character set keeps its bytes); another character that the code page
// carries as its byte; and any other as \uN followed by "?" for readers
// that know no Unicode (\uc1 says so in the header). A character beyond
// U+FFFF goes as its two UTF-16 halves.
class RtfWriter {
  public:
    static std::string write(const RichText& doc);
    // `characters` holds one character for each position of `doc`'s text
    // (those of paragraph breaks are not read); CodePage::kContinuation
    // marks the second byte of a double-byte character, which writes
    // nothing. A missing tail counts as the bytes themselves.
    static std::string write(const RichText& doc, std::u32string_view characters);
};

}  // namespace sorvel
