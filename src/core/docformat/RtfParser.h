#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "docformat/DocumentReport.h"
#include "docformat/RtfKeyword.h"
#include "docformat/RtfReader.h"
#include "docformat/RtfTables.h"
#include "docformat/RtfTokenizer.h"
#include "text/RichText.h"

namespace sorvel {

// The dispatcher behind RtfReader: one pass over the tokens of RtfTokenizer
// with an explicit stack of groups, building the rich text. See RtfReader for
// what it makes of its input.
class RtfParser {
  public:
    // `rtf` starts with the document's opening brace.
    RtfParser(std::string_view rtf, const RtfReader::Options& options);
    RichText run();

  private:
    // The longest face name kept of a font table entry.
    static constexpr std::size_t kMaxFaceBytes = 256;

    // Where the text of a group goes.
    enum class Dest : uint8_t {
        Body,
        FontTable,
        ColorTable,
        ListTable,
        ListOverrideTable,
        Pn,
        Footnote,      // read only for \ftnalt
        HeaderFooter,  // read only to tell one from another
    };

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
        bool pnNumber = false;
        bool inTable = false;
        int ls = 0;
        int level = 0;
        uint16_t lostFormats = 0;  // paragraph kinds of DocumentReport::Formatting, as bits
    };
    struct Group {
        Dest dest = Dest::Body;
        CharState ch;
        ParaState para;
        int uc = 1;
        bool hidden = false;
        uint16_t lostFormats = 0;  // character kinds of DocumentReport::Formatting, as bits
    };
    // A header or footer being read: the depth of its group, and a hash of
    // its text.
    struct HeaderFooter {
        std::size_t depth;
        DocumentReport::Content kind;
        uint64_t hash;
    };
    // A character that came as \uN in the text not yet added, where the
    // text holds a placeholder for it.
    struct PendingUnicode {
        std::size_t offset;
        char32_t character;
    };

    void openGroup();
    void closeGroup();
    void skipGroup();
    void popGroup();
    void endHeaderFooter();
    bool skipping();

    void controlWord(RtfKeyword kw, std::string_view name, bool hasParam, int32_t param);
    void controlSymbol(char c);
    void text(std::string_view run);
    void textByte(uint8_t b);
    void hexByte(uint8_t b);

    void countContent(DocumentReport::Content kind, long count = 1);
    void countDestination(RtfKeyword kw);
    void bodyWord(RtfKeyword kw, bool hasParam, int32_t param);
    void lostFormatWord(RtfKeyword kw, bool hasParam, int32_t param);
    static void lostFormat(uint16_t& formats, DocumentReport::Formatting kind, bool on);
    void countFormat(DocumentReport::Formatting kind);
    void fontWord(RtfKeyword kw, std::string_view name, int32_t param);
    void listWord(RtfKeyword kw, int32_t param);
    void commitFont();
    void commitColor();

    void unicodeChar(char32_t u);
    std::optional<uint8_t> byteOfUnicode(char32_t u);
    bool putPali(char32_t u);
    void putChar(uint8_t c);
    void putLoneHighSurrogate();
    void countText(const Group& g, long count);
    void countFormats(uint16_t formats, long count);
    void lostCharacter(char32_t u, long column, std::string_view font);
    void flushText();
    void flushPali();
    void paragraphBreak();
    void countParagraph(const ParaState& p);
    const RtfFont* fontOf(const CharState& ch) const;
    const RtfFont* currentFont();
    // What cannot show a character lost at the caret: the face of a Pali
    // font, or the name of the font's code page.
    std::string currentCharacterSet();
    const FontDescription& resolve(const CharState& ch);
    ParaFormat paraFormat(const ParaState& p) const;
    RichText finish();

    std::string_view in_;
    std::vector<RtfReader::UnicodeCharacter>* unicode_;
    DocumentReport* report_;
    const FontDescription* paliFont_;  // where Unicode Pali goes; null: nowhere
    std::vector<Group> stack_;
    int skipDepth_ = 0;  // > 0 inside a skipped group: its depth below the skip
    int ucSkip_ = 0;     // fallback characters of a \u still to skip
    bool star_ = false;  // the last control was \*
    char16_t pendingHigh_ = 0;
    std::optional<Group> endState_;
    bool tableOpen_ = false;  // a table has begun that no paragraph outside it has ended
    bool inEndnote_ = false;  // the footnote being skipped was counted as an endnote
    std::optional<HeaderFooter> headerFooter_;  // the one being read
    std::vector<std::pair<DocumentReport::Content, uint64_t>> headersFooters_;  // those counted

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
    bool pendingPali_ = false;  // the text holds Unicode Pali that its code page cannot carry
    std::vector<PendingUnicode> pendingUnicode_;
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
