#include "docformat/DocumentReport.h"

#include <algorithm>
#include <cstdio>

#include "common/Utf8.h"

namespace sorvel {

namespace {

// "1 picture", "2 pictures".
std::string counted(long n, std::string_view one, std::string_view many) {
    return std::to_string(n) + ' ' + std::string(n == 1 ? one : many);
}

std::string contentWords(DocumentReport::Content kind, long n) {
    using C = DocumentReport::Content;
    switch (kind) {
        case C::Footnote:
            return counted(n, "footnote", "footnotes");
        case C::Endnote:
            return counted(n, "endnote", "endnotes");
        case C::Picture:
            return counted(n, "picture", "pictures");
        case C::Object:
            return counted(n, "embedded object", "embedded objects");
        case C::Drawing:
            return counted(n, "drawing or text box", "drawings or text boxes");
        case C::ListNumber:
            return n == 1 ? "the number of 1 list paragraph"
                          : "the numbers of " + counted(n, "", "list paragraphs");
        case C::Table:
            return "the structure of " + counted(n, "table", "tables");
        case C::FieldCode:
            return n == 1 ? "the code of 1 field" : "the codes of " + counted(n, "", "fields");
        case C::Header:
            return counted(n, "header", "headers");
        case C::Footer:
            return counted(n, "footer", "footers");
        case C::Annotation:
            return counted(n, "annotation", "annotations");
        case C::Bookmark:
            return counted(n, "bookmark", "bookmarks");
        case C::HiddenText:
            return counted(n, "character", "characters") + " of hidden text";
    }
    return {};
}

std::string formattingWords(DocumentReport::Formatting kind, long n, std::string_view paliFace) {
    using F = DocumentReport::Formatting;
    const std::string chars = counted(n, "character", "characters");
    const std::string paras = counted(n, "paragraph", "paragraphs");
    switch (kind) {
        case F::SmallCapitals:
            return "small capitals on " + chars;
        case F::AllCapitals:
            return "all capitals on " + chars;
        case F::SuperSubscript:
            return "superscript or subscript on " + chars + " (kept as raised or lowered text)";
        case F::Highlight:
            return "highlighting on " + chars;
        case F::CharacterEffect:
            return "outline, shadow, emboss or engrave on " + chars;
        case F::CharacterSpacing:
            return "character spacing on " + chars;
        case F::UnderlineStyle:
            return "underline styles on " + chars + " (kept as plain underline)";
        case F::Justified:
            return "justified alignment of " + paras + " (kept as left alignment)";
        case F::ParagraphSpacing:
            return "spacing before, after or between the lines of " + paras;
        case F::TabStops:
            return "tab stops of " + paras;
        case F::RightIndent:
            return "right indents of " + paras;
        case F::BordersAndShading:
            return "borders or shading of " + paras;
        case F::PageBreak:
            return counted(n, "page break", "page breaks");
        case F::Columns:
            return "the columns of " + counted(n, "section", "sections");
        case F::PaliFont:
            return "the font of " + counted(n, "Pali letter", "Pali letters") +
                   " given in Unicode (now in " + std::string(paliFace) + ")";
    }
    return {};
}

// "α (U+03B1) at line 2, column 5".
std::string characterWords(const DocumentReport::Character& c) {
    std::string text;
    if (Utf8::isShowable(c.character)) {
        Utf8::append(text, c.character);
        text += ' ';
    }
    char code[16];
    std::snprintf(code, sizeof code, "(U+%04X)", static_cast<unsigned>(c.character));
    return text + code + " at line " + std::to_string(c.line) + ", column " +
           std::to_string(c.column);
}

}  // namespace

void DocumentReport::add(Content kind, long count) {
    content_[static_cast<std::size_t>(kind)] += count;
}

void DocumentReport::add(Formatting kind, long count) {
    formatting_[static_cast<std::size_t>(kind)] += count;
}

void DocumentReport::addCharacter(char32_t character, long line, long column,
                                  std::string_view font) {
    auto it = std::find_if(characters_.begin(), characters_.end(),
                           [font](const Characters& c) { return c.font == font; });
    if (it == characters_.end()) {
        characters_.push_back({std::string(font), 0, {}});
        it = characters_.end() - 1;
    }
    ++it->count;
    if (it->listed.size() < kMaxListed) {
        it->listed.push_back({character, line, column});
    }
}

long DocumentReport::characterCount() const {
    long n = 0;
    for (const Characters& c : characters_) {
        n += c.count;
    }
    return n;
}

bool DocumentReport::lostContent() const {
    return !characters_.empty() ||
           std::any_of(content_.begin(), content_.end(), [](long n) { return n > 0; });
}

bool DocumentReport::lostFormatting() const {
    return std::any_of(formatting_.begin(), formatting_.end(), [](long n) { return n > 0; });
}

std::vector<std::string> DocumentReport::contentItems(std::size_t shown) const {
    std::vector<std::string> items;
    for (std::size_t k = 0; k < kContentKinds; ++k) {
        if (content_[k] > 0) {
            items.push_back(contentWords(static_cast<Content>(k), content_[k]));
        }
    }
    for (const Characters& c : characters_) {
        std::string item =
            counted(c.count, "character", "characters") + " that " + c.font + " cannot show";
        const std::size_t listed = std::min(shown, c.listed.size());
        for (std::size_t i = 0; i < listed; ++i) {
            item += (i == 0 ? ": " : "; ") + characterWords(c.listed[i]);
        }
        if (listed > 0 && c.count > static_cast<long>(listed)) {
            item += "; and " + std::to_string(c.count - static_cast<long>(listed)) + " more";
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> DocumentReport::formattingItems() const {
    std::vector<std::string> items;
    for (std::size_t k = 0; k < kFormattingKinds; ++k) {
        if (formatting_[k] > 0) {
            items.push_back(formattingWords(static_cast<Formatting>(k), formatting_[k], paliFace_));
        }
    }
    return items;
}

std::string DocumentReport::describeContent(std::size_t shown) const {
    std::string text;
    for (const std::string& item : contentItems(shown)) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

}  // namespace sorvel
