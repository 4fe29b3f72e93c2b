#pragma once

#include <string>
#include <string_view>

namespace sorvel {

// The character codes that the table and reference-table commands mark as
// not supported by Windows: 127, 128, 129, 141, 142, 143, 144, 157 and 158.
constexpr bool isUnsupportedByWindows(int code) {
    return code == 127 || code == 128 || code == 129 || (code >= 141 && code <= 144) ||
           code == 157 || code == 158;
}

// The first and last character codes that tables and reference tables list.
inline constexpr int kFirstListedCode = 64;
inline constexpr int kLastListedCode = 255;

// The opening text of a new table: what the document is for, a tip on font
// families and the eight steps from template to working table. Lines end
// with "\n"; it ends with a blank line.
std::string_view tableTemplateIntro();

// The whole template for a font: the opening text, the font line, one row
// per code from 0064 to 0255 and the end line, each line ending with "\n".
std::string tableTemplate(std::string_view faceName);

// "Show me the Transliteration instructions". Lines end with "\n".
std::string_view tableInstructions();

}  // namespace sorvel
