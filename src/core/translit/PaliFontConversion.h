#pragma once

#include <string>

#include "editor/ViewContext.h"
#include "pali/PaliFontKind.h"
#include "pali/TracedText.h"

namespace sorvel {

// Rewrites every special Pali letter of `source` into the same letter of
// `target`, going through the letters' intermediate codes, so that no
// replacement feeds another. With a `source` that is no Pali font only
// intermediate codes already in the text are converted; with a `target` that
// is none, the letters become their intermediate codes. Converts in place and
// gives the text back.
//
// One pass over the text, equal in result to the letter-by-letter sequence of
// whole-text replacements (source letters to codes, then codes to target).
std::string& convertPaliFontText(std::string& text, PaliFontKind source, PaliFontKind target);
// The same conversion, telling where each character of the result came from.
TracedText convertPaliFontText(const TracedText& text, PaliFontKind source, PaliFontKind target);

// "Convert Pali Font of Selected Text": asks for the target font, applies it to
// the selection and converts the selection's letters to it, as one step of
// undo; every other property of each character and every paragraph's format
// stay as they were.
void convertPaliFontOfSelection(ViewContext& view);

}  // namespace sorvel
