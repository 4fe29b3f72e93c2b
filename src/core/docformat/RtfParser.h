#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "docformat/RtfKeyword.h"
#include "docformat/RtfReader.h"
#include "docformat/RtfTables.h"
#include "text/RichText.h"

namespace sorvel {

// The state machine behind RtfReader: one pass over the bytes with an
// explicit stack of groups. See RtfReader for what it makes of its input.
class RtfParser {
  public:
    // `rtf` starts with the document's opening brace; `unicode`, when given,
    // receives the characters that come as \uN.
    explicit RtfParser(std::string_view rtf,
                       std::vector<RtfReader::UnicodeCharacter>* unicode = nullptr)
        : in_(rtf), unicode_(unicode) {}
    RichText run();

  private:
    // Where the text of a group goes.
    enum class Dest : uint8_t { Body, FontTable, ColorTable, ListTable, ListOverrideTable, Pn };

    struct CharState {
        int font = -1;  // -1: the default font (\deff)
        int32_t height = 240;
        int32_t offset = 0;
        uint32_t effects = 0;  // bold, italic, underline, strike-out
        int color = 0;
        bool operator==(const CharState&) const = default;
    };
    struct ParaState {
        uint16_t align = alignment::Left;
        int32_t left = 0;   // \li: indent of every line
        int32_t first = 0;  // \fi: first line, relative to \li
        bool pnBullet = false;
        int ls = 0;
        int level = 0;
    };
    struct Group {
        Dest dest = Dest::Body;
        CharState ch;
        ParaState para;
        int uc = 1;
        bool hidden = false;
    };

    std::size_t controlAt(std::size_t i);
    bool plainTextFollows() const;
    std::size_t putPlainText(std::size_t i);
    void openGroup();
    void closeGroup();
    void skipGroup();
    bool skipping();

    void controlWord(RtfKeyword kw, std::string_view name, bool hasParam, int32_t param);
    void controlSymbol(char c);
    void textByte(uint8_t b);
    void hexByte(uint8_t b);

    void bodyWord(RtfKeyword kw, bool hasParam, int32_t param);
    void fontWord(RtfKeyword kw, std::string_view name, int32_t param);
    void listWord(RtfKeyword kw, int32_t param);
    void commitFont();
    void commitColor();

    void unicodeChar(char32_t u);
    uint8_t byteOfUnicode(char32_t u);
    void putChar(uint8_t c);
    void flushText();
    void paragraphBreak();
    const RtfFont* currentFont();
    const FontDescription& resolve(const CharState& ch);
    ParaFormat paraFormat(const ParaState& p) const;
    RichText finish();

    std::string_view in_;
    std::vector<RtfReader::UnicodeCharacter>* unicode_;
    std::vector<Group> stack_;
    int skipDepth_ = 0;  // > 0 inside a skipped group: its depth below the skip
    int ucSkip_ = 0;     // fallback characters of a \u still to skip
    bool star_ = false;  // the last control was \*
    char16_t pendingHigh_ = 0;
    std::optional<Group> endState_;

    int ansiCodePage_ = 1252;
    int deff_ = 0;
    RtfTables tables_;

    // The font table entry being read.
    int fontNumber_ = -1;
    RtfFont font_;
    // The colour table entry being read.
    uint32_t rgb_ = 0;
    bool hasRgb_ = false;
    // The list table entry being read.
    std::vector<int> listLevels_;
    int overrideListId_ = 0;

    // Text of one format not yet added to the document.
    std::string pending_;
    CharState pendingState_;
    long charsInParagraph_ = 0;
    long breaks_ = 0;
    FontDescription lastBreakChar_;
    ParaFormat lastBreakPara_;

    // Caches; the tables change only while the header is read.
    int tablesVersion_ = 0;
    int cachedFontId_ = -2;
    int cachedFontVersion_ = -1;
    const RtfFont* cachedFont_ = nullptr;
    bool resolvedValid_ = false;
    int resolvedVersion_ = -1;
    CharState resolvedState_;
    FontDescription resolved_;

    RichText doc_;
};

}  // namespace sorvel
