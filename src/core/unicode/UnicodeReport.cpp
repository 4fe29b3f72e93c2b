#include "unicode/UnicodeReport.h"

#include <algorithm>
#include <cstdio>

#include "common/Utf8.h"

namespace sorvel {

void UnicodeReport::add(char32_t character, long line, long column, std::string_view face) {
    ++count_;
    if (listed_.size() < kMaxListed) {
        listed_.push_back({character, line, column, std::string(face)});
    }
}

std::string UnicodeReport::describe(std::string_view fontName, std::size_t shown) const {
    const bool others = std::any_of(listed_.begin(), listed_.end(), [fontName](const Character& c) {
        return !c.face.empty() && c.face != fontName;
    });
    std::string text = std::to_string(count_) + (count_ == 1 ? " character" : " characters") +
                       " that " + (others ? std::string("their fonts") : std::string(fontName)) +
                       " cannot show:";
    for (std::size_t i = 0; i < listed_.size() && i < shown; ++i) {
        const Character& c = listed_[i];
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c.character));
        text += i == 0 ? " " : "; ";
        text += code;
        // The character itself, unless it is invisible or no character at all.
        if (Utf8::isShowable(c.character)) {
            text += " \"";
            Utf8::append(text, c.character);
            text += '"';
        }
        text += " at line " + std::to_string(c.line) + ", column " + std::to_string(c.column);
        if (others) {
            text += " (" + (c.face.empty() ? std::string(fontName) : c.face) + ")";
        }
    }
    if (static_cast<std::size_t>(count_) > shown && !listed_.empty()) {
        text += "; and " +
                std::to_string(count_ - static_cast<long>(std::min(shown, listed_.size()))) +
                " more";
    }
    return text;
}

}  // namespace sorvel
