#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pali/CodePair.h"

namespace sorvel {

// A transliteration table file: comment lines, a font line ("FONT: " and the
// font's name), code rows ("0248\t/o": a character code, a TAB, the code to
// type for it) and an end line ("END OF TRANSLITERATION ..."); at most 500
// lines in all.
//
// A file is read twice. The checking pass looks for a font line longer than
// seven characters and a line that begins with "END OF TRANSLITERATION"
// anywhere in the file, and counts the lines. The loading pass then stops at
// the first line that begins with "END OF TRANS", starts taking entries after
// the first line that begins with "FONT: " (of any length), and lets every
// later font line both be an entry and rename the table. The two passes use
// different tests on purpose: files that users have written against this
// behaviour load the same way everywhere.
struct TableFile {
    static constexpr std::size_t kMaxLines = 500;

    // The table's entries in file order, without the end pair.
    std::vector<CodePair> entries;
    // The name from the last font line before the end line, trimmed; nothing
    // when no font line came before the end line (the previous name stays).
    std::optional<std::string> fontName;

    // Reads a table from a file's bytes: the table, or the message that
    // refuses the file.
    static std::variant<TableFile, std::string> read(std::string_view bytes);

    // The entry of one line after the font line. The text before the first
    // TAB is a number, read as atoi reads it; the replacement is the
    // character whose byte is that number modulo 256, trimmed of white space
    // (so 0, 256 and the white-space bytes give nothing). The text after the
    // TAB, trimmed, is the code. A line without TAB is all code, with an empty
    // replacement.
    static CodePair rowEntry(std::string_view line);
};

inline constexpr std::string_view kNoFontLineMessage =
    "This file does not specify the font!\n\nThere must be a line that starts with FONT: in your "
    "file, and the font name must also be on that line.";
inline constexpr std::string_view kNoEndLineMessage =
    "This file does not specify the end of the transliteration codes!\n\nThere must be a line "
    "that starts with 'END OF TRANSLITERATION CODES' in your file, ";
inline constexpr std::string_view kTooManyLinesMessage =
    "This file looks suspicious. It has more than 500 lines!\n\nIf this really is a "
    "transliteration file, please remove some of the comment lines and try again.";

}  // namespace sorvel
