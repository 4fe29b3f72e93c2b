#include "docformat/RtfTables.h"

#include <algorithm>

namespace sorvel {

namespace {

constexpr int kBulletFormat = 23;     // \levelnfc of a bullet
constexpr int kNoNumberFormat = 255;  // and of a level that shows nothing

}  // namespace

void RtfTables::addFont(int number, RtfFont font, int ansiCodePage) {
    const int page = font.codePage > 0   ? font.codePage
                     : font.charSet >= 0 ? CodePage::ofCharSet(font.charSet, ansiCodePage)
                                         : ansiCodePage;
    font.page = &CodePage::of(page);
    if (font.charSet < 0) {
        font.charSet = CodePage::charSetOf(page);
    }
    font.pali = paliFontByPrefix(font.face);
    fonts_[number] = std::move(font);
}

const RtfFont* RtfTables::font(int number) const {
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? nullptr : &it->second;
}

std::optional<uint32_t> RtfTables::color(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[static_cast<std::size_t>(index)];
}

void RtfTables::addList(int listId, std::vector<int> levelFormats) {
    lists_[listId] = std::move(levelFormats);
}

std::optional<int> RtfTables::levelFormat(int ls, int level) const {
    const auto o = overrides_.find(ls);
    if (o == overrides_.end()) {
        return std::nullopt;
    }
    const auto l = lists_.find(o->second);
    if (l == lists_.end() || l->second.empty()) {
        return std::nullopt;
    }
    const std::vector<int>& levels = l->second;
    const std::size_t i =
        level < 0 ? 0 : std::min(static_cast<std::size_t>(level), levels.size() - 1);
    return levels[i];
}

bool RtfTables::isBulletList(int ls, int level) const {
    return levelFormat(ls, level).value_or(kBulletFormat) == kBulletFormat;
}

bool RtfTables::isNumberedList(int ls, int level) const {
    const int format = levelFormat(ls, level).value_or(kBulletFormat);
    return format != kBulletFormat && format != kNoNumberFormat;
}

}  // namespace sorvel
