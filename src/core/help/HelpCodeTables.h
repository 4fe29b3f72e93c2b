#pragma once

#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"

namespace sorvel {

// The tables of codes that the help shows, made from the program's own
// keystroke and letter tables so that the help can never disagree with what
// typing does. Rows end with "\n" and columns are separated by TAB.

// Which system a typing code belongs to, told by its form: a full stop before
// the letter is standard transliteration; a letter typed three times or an
// exclamation mark before it is Simple Pali Entry; a tilde before the letter,
// or a vowel typed twice in one case, belongs to both; a vowel typed twice in
// mixed case (Aa) belongs to neither but is accepted as a capital all the same.
enum class KeystrokeCodeKind { Standard, SimplePaliEntry, Both, Capital };

KeystrokeCodeKind keystrokeCodeKind(std::string_view code);

// The header of the typing code table.
inline constexpr std::string_view kCodeTableHeader = "Standard\tSimple\tLetter";

// Marks an empty cell of the typing code table.
inline constexpr std::string_view kNoCode = "-";

// Joins several codes of one cell.
inline constexpr std::string_view kCodeSeparator = " or ";

// The typing code table: the header, then one row per Pali letter in letter
// order: its standard code(s), its Simple Pali Entry code(s), and its name,
// followed by "  (X also works)" for accepted capitals.
std::string keystrokeCodeTableText();

// The character code of every Pali letter in one Pali font: one row per
// letter, the code as four digits and the letter's name; a letter that the
// font has not got of its own is marked as sharing an earlier letter's code.
std::string fontCodeListText(PaliFontKind kind);

// For each of the five Pali fonts, whether it has an overdot m of its own and
// at which code, or which letter "!m" gives there instead.
std::string overdotMFontListText();

}  // namespace sorvel
