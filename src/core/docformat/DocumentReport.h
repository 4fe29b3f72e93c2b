#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// What reading a document could not keep. A document holds 8-bit text with
// character and paragraph formats; whatever else a file brings is counted
// here by kind, so that nothing goes without a word.
//
// Content is what a reader of the file would miss: footnotes, pictures, list
// numbers, characters that the text's code page cannot show and so on.
// Formatting is how the kept text looked where the document has no such
// format (small capitals, justified lines, ...); it is counted apart, since
// losing it loses no words.
class DocumentReport {
  public:
    enum class Content : uint8_t {
        Footnote,
        Endnote,
        Picture,
        Object,
        Drawing,     // drawing shapes and text boxes
        ListNumber,  // counted in paragraphs whose number is gone
        Table,       // tables whose cells became tabs and line breaks
        FieldCode,   // fields whose result stays as text
        Header,
        Footer,
        Annotation,
        Bookmark,
        HiddenText,  // counted in characters
    };
    static constexpr std::size_t kContentKinds = 13;

    enum class Formatting : uint8_t {
        // counted in characters
        SmallCapitals,
        AllCapitals,
        SuperSubscript,  // kept as raised or lowered text of the same size
        Highlight,
        CharacterEffect,  // outline, shadow, emboss, engrave
        CharacterSpacing,
        UnderlineStyle,  // kept as a plain underline
        // counted in paragraphs
        Justified,  // kept as left aligned
        ParagraphSpacing,
        TabStops,
        RightIndent,
        BordersAndShading,
        // counted as they come
        PageBreak,
        Columns,
        // Unicode Pali letters that came into the Pali font, counted in letters
        PaliFont,
    };
    static constexpr std::size_t kFormattingKinds = 15;

    // A character that could not be kept, where it stood: the line
    // (paragraph) and the column (character in the line) count from 1.
    struct Character {
        char32_t character;
        long line;
        long column;
        friend bool operator==(const Character&, const Character&) = default;
    };
    // The characters that one code page or font cannot show.
    struct Characters {
        std::string font;  // "Windows-1252", or the face of a font
        long count = 0;
        std::vector<Character> listed;  // the first kMaxListed of them
        friend bool operator==(const Characters&, const Characters&) = default;
    };
    static constexpr std::size_t kMaxListed = 100;

    void add(Content kind, long count = 1);
    void add(Formatting kind, long count = 1);
    void addCharacter(char32_t character, long line, long column, std::string_view font);
    // The face that Unicode Pali came into, for the words of PaliFont.
    void setPaliFace(std::string_view face) { paliFace_ = face; }
    const std::string& paliFace() const { return paliFace_; }

    long count(Content kind) const { return content_[static_cast<std::size_t>(kind)]; }
    long count(Formatting kind) const { return formatting_[static_cast<std::size_t>(kind)]; }
    const std::vector<Characters>& characters() const { return characters_; }
    long characterCount() const;

    // True when content was left out: what the save question and --strict
    // are about.
    bool lostContent() const;
    bool lostFormatting() const;
    bool empty() const { return !lostContent() && !lostFormatting(); }

    // In plain words, one item per kind: "2 footnotes", "the numbers of 12
    // list paragraphs", "3 characters that Windows-1252 cannot show: α
    // (U+03B1) at line 2, column 5; ...", listing at most `shown` characters
    // of each code page or font.
    std::vector<std::string> contentItems(std::size_t shown = 3) const;
    std::vector<std::string> formattingItems() const;
    // The content items in one line, as a message names them: "2 footnotes,
    // 1 picture, the numbers of 12 list paragraphs, 3 characters that
    // Windows-1252 cannot show: α (U+03B1) at line 2, column 5; ...".
    std::string describeContent(std::size_t shown = 3) const;

    friend bool operator==(const DocumentReport&, const DocumentReport&) = default;

  private:
    std::array<long, kContentKinds> content_{};
    std::array<long, kFormattingKinds> formatting_{};
    std::vector<Characters> characters_;
    std::string paliFace_;
};

}  // namespace sorvel
