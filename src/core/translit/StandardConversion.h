#pragma once

#include <memory>
#include <string>

#include "common/TextFilter.h"
#include "editor/ViewContext.h"
#include "pali/PaliFontKind.h"
#include "pali/TracedText.h"

namespace sorvel {

// Plain standard transliteration (long a "aa", underdot d ".d", overdot n a
// double quote before n ...) to the letters of a Pali font. Every code of the
// font's keystroke table is understood; a double quote before n, N, m or M
// that follows a blank is an opening quotation mark and is kept.
std::string standardToPaliText(std::string text, PaliFontKind kind);
// The same conversion, telling where each character of the result came from.
TracedText standardToPaliText(TracedText text, PaliFontKind kind);

// The letters of a Pali font to standard transliteration: each letter becomes
// its first code in the keystroke table, the overdot letters a double quote
// before the letter.
std::string paliToStandardText(std::string text, PaliFontKind kind);
TracedText paliToStandardText(TracedText text, PaliFontKind kind);

// The same two conversions for text that comes in pieces: the output equals
// the whole-text result however the input is cut.
std::unique_ptr<TextFilter> standardToPaliFilter(PaliFontKind kind);
std::unique_ptr<TextFilter> paliToStandardFilter(PaliFontKind kind);

// "Standard transliteration to Pali Font": converts the selection with the
// default Pali font's table and gives it the default Pali font's face (and
// character set); every other property of each character (size, bold ...)
// and every paragraph's format stay as they were. One step of undo.
void standardToPaliFont(ViewContext& view);

// "Pali Font to Standard Transliteration": converts the selection with the
// default Pali font's table and leaves its formats as they are. One step of
// undo.
void paliFontToStandard(ViewContext& view);

}  // namespace sorvel
