#pragma once

#include <string>

#include "view/RichText.h"

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
class RtfWriter {
  public:
    static std::string write(const RichText& doc);
};

}  // namespace sorvel
