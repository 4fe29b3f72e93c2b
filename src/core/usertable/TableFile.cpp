#include "usertable/TableFile.h"

#include "common/TextLines.h"

namespace sorvel {

namespace {

constexpr std::string_view kFontPrefix = "FONT: ";
constexpr std::string_view kCheckedEndPrefix = "END OF TRANSLITERATION";
constexpr std::string_view kLoadingEndPrefix = "END OF TRANS";
// A font line must be longer than this to satisfy the checking pass, so that
// at least two characters of name follow "FONT: ".
constexpr std::size_t kShortestCheckedFontLine = 7;

}  // namespace

CodePair TableFile::rowEntry(std::string_view line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return {std::string(trimWhiteSpace(line)), std::string()};
    }
    const auto byte = static_cast<char>(parseDecimalModulo32(line.substr(0, tab)) & 0xFFu);
    const std::string_view character(&byte, 1);
    // A NUL byte ends the one-character string at once, like white space.
    const std::string_view replacement = byte == '\0' ? std::string_view() : character;
    return {std::string(trimWhiteSpace(line.substr(tab + 1))),
            std::string(trimWhiteSpace(replacement))};
}

std::variant<TableFile, std::string> TableFile::read(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitTextLines(bytes);

    bool fontLineNoted = false;
    bool endLineNoted = false;
    for (std::string_view line : lines) {
        fontLineNoted = fontLineNoted ||
                        (line.starts_with(kFontPrefix) && line.size() > kShortestCheckedFontLine);
        endLineNoted = endLineNoted || line.starts_with(kCheckedEndPrefix);
    }
    if (!fontLineNoted) {
        return std::string(kNoFontLineMessage);
    }
    if (!endLineNoted) {
        return std::string(kNoEndLineMessage);
    }
    if (lines.size() > kMaxLines) {
        return std::string(kTooManyLinesMessage);
    }

    TableFile table;
    bool fontLineSeen = false;
    for (std::string_view line : lines) {
        if (line.starts_with(kLoadingEndPrefix)) {
            break;
        }
        if (fontLineSeen) {
            table.entries.push_back(rowEntry(line));
        }
        if (line.starts_with(kFontPrefix)) {
            table.fontName = std::string(trimWhiteSpace(line.substr(kFontPrefix.size())));
            fontLineSeen = true;
        }
    }
    return table;
}

}  // namespace sorvel
