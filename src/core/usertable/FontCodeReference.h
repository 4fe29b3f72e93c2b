#pragma once

#include <string>
#include <string_view>

#include "editor/ViewContext.h"

namespace sorvel {

// "Make a font code reference table": after two questions and a font
// dialog, inserts a heading and one row per character code from 64 to 255,
// the code in the caret's format and the character in the chosen font, then
// returns the caret to the start and marks the document changed.
void makeFontCodeReferenceTable(ViewContext& view);

// The heading that the table starts with, for a face name.
std::string fontCodeReferenceHeading(std::string_view faceName);
// The row of one code as text: "0065\tA\n", or "0127\tNot Supported by Windows\n".
std::string fontCodeReferenceRow(int code);

inline constexpr std::string_view kFontCodeReferenceQuestion =
    "I can produce a code reference table for any font (except Unicode fonts.)\n\nAll you have to "
    "do is select the font.\n\nWould you like to create a font reference table?";

}  // namespace sorvel
