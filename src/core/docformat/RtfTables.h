#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "docformat/CodePage.h"
#include "pali/PaliFontKind.h"

namespace sorvel {

// A font of an RTF font table.
struct RtfFont {
    std::string face;
    int charSet = -1;  // \fcharset, or -1 when not given
    uint8_t pitchAndFamily = 0;
    int codePage = -1;  // \cpg, or -1 when not given
    // Set when the entry is added to the table.
    const CodePage* page = nullptr;
    PaliFontKind pali = PaliFontKind::NoPaliFont;
};

// The tables an RTF document declares before its text: fonts, colours and
// lists, as the reader needs them.
class RtfTables {
  public:
    // A later entry of the same number replaces an earlier one.
    void addFont(int number, RtfFont font, int ansiCodePage);
    const RtfFont* font(int number) const;

    // An entry without components is the automatic colour.
    void addColor(std::optional<uint32_t> color) { colors_.push_back(color); }
    // The colour of a \cf index; nothing for the automatic colour or an
    // index the table does not have.
    std::optional<uint32_t> color(int index) const;

    // A list of the list table: the number format (\levelnfc) of each level.
    void addList(int listId, std::vector<int> levelFormats);
    // A \ls number of the list override table and the list it stands for.
    void addListOverride(int ls, int listId) { overrides_[ls] = listId; }
    // True when a paragraph in list `ls` at `level` shows a bullet. A list
    // that the tables do not describe counts as bulleted.
    bool isBulletList(int ls, int level) const;
    // True when such a paragraph shows a number (or letter) of its own.
    bool isNumberedList(int ls, int level) const;

  private:
    // The \levelnfc of a list level, or nothing for a list the tables lack.
    std::optional<int> levelFormat(int ls, int level) const;

    std::unordered_map<int, RtfFont> fonts_;
    std::vector<std::optional<uint32_t>> colors_;
    std::unordered_map<int, std::vector<int>> lists_;
    std::unordered_map<int, int> overrides_;
};

}  // namespace sorvel
