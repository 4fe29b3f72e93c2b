#include "docformat/RtfParser.h"

#include <algorithm>

#include "docformat/RtfFontFamily.h"

// The control words: what each does in the destination it appears in.

namespace sorvel {

namespace {

using K = RtfKeyword;
using F = DocumentReport::Formatting;

int32_t clampTo(int32_t v, int32_t lo, int32_t hi) {
    return std::clamp(v, lo, hi);
}

// Indents are kept below 2^30 so that their sums fit 32 bits.
constexpr int32_t kMaxIndent = (1 << 30) - 1;
// \fs, \up and \dn count half-points; this keeps twips well inside 32 bits.
constexpr int32_t kMaxHalfPoints = 32767;
constexpr std::size_t kMaxListLevels = 16;

}  // namespace

void RtfParser::controlWord(RtfKeyword kw, std::string_view name, bool hasParam, int32_t param) {
    if (skipping()) {
        return;
    }
    const bool star = star_;
    star_ = false;
    Group& g = stack_.back();
    switch (kw) {
        case K::FontTable:
            g.dest = Dest::FontTable;
            fontNumber_ = -1;
            return;
        case K::ColorTable:
            g.dest = Dest::ColorTable;
            hasRgb_ = false;
            rgb_ = 0;
            return;
        case K::ListTable:
            g.dest = Dest::ListTable;
            return;
        case K::ListOverrideTable:
            g.dest = Dest::ListOverrideTable;
            return;
        case K::Pn:
            if (g.dest != Dest::Body || stack_.size() < 2) {
                skipGroup();
            } else {
                g.dest = Dest::Pn;
            }
            return;
        case K::SkippedDestination:
            skipGroup();
            return;
        case K::Footnote:
            // Read on only for \ftnalt, which makes it an endnote.
            if (g.dest == Dest::Body) {
                countContent(DocumentReport::Content::Footnote);
                inEndnote_ = false;
                g.dest = Dest::Footnote;
            } else {
                skipGroup();
            }
            return;
        case K::Header:
        case K::Footer:
            if (g.dest == Dest::Body && !headerFooter_) {
                g.dest = Dest::HeaderFooter;
                headerFooter_ = HeaderFooter{stack_.size(),
                                             kw == K::Header ? DocumentReport::Content::Header
                                                             : DocumentReport::Content::Footer,
                                             14695981039346656037u};
            } else {
                skipGroup();
            }
            return;
        case K::Picture:
        case K::Object:
        case K::Drawing:
        case K::FieldInstruction:
        case K::Annotation:
        case K::BookmarkStart:
            if (g.dest == Dest::Body) {
                countDestination(kw);
            }
            skipGroup();
            return;
        case K::Uc:
            g.uc = hasParam ? clampTo(param, 0, 1000) : 1;
            return;
        case K::U:
            if (hasParam) {
                // What follows is the fallback, skipped unless unicodeChar() wants it.
                ucSkip_ = g.uc;
                const int64_t code = param < 0 ? int64_t{param} + 65536 : param;
                unicodeChar(code >= 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : 0xFFFD);
            }
            return;
        default:
            if (star) {
                skipGroup();  // a destination we do not know, marked ignorable
                return;
            }
            break;
    }
    switch (g.dest) {
        case Dest::Body:
            bodyWord(kw, hasParam, param);
            break;
        case Dest::FontTable:
            fontWord(kw, name, param);
            break;
        case Dest::ColorTable:
            if (kw == K::Red || kw == K::Green || kw == K::Blue) {
                const int shift = kw == K::Red ? 0 : kw == K::Green ? 8 : 16;
                rgb_ = (rgb_ & ~(0xFFu << shift)) |
                       (static_cast<uint32_t>(clampTo(param, 0, 255)) << shift);
                hasRgb_ = true;
            }
            break;
        case Dest::ListTable:
        case Dest::ListOverrideTable:
            listWord(kw, param);
            break;
        case Dest::Pn:
            if (kw == K::PnLevelBullet || kw == K::PnLevelNumber || kw == K::PnLevelContinue) {
                ParaState& p = stack_[stack_.size() - 2].para;
                p.pnBullet = kw == K::PnLevelBullet;
                p.pnNumber = kw == K::PnLevelNumber;
            }
            break;
        case Dest::HeaderFooter:
            break;
        case Dest::Footnote:
            if (kw == K::FtnAlt && !inEndnote_) {
                countContent(DocumentReport::Content::Footnote, -1);
                countContent(DocumentReport::Content::Endnote);
                inEndnote_ = true;
            }
            break;
    }
}

void RtfParser::countContent(DocumentReport::Content kind, long count) {
    if (report_) {
        report_->add(kind, count);
    }
}

void RtfParser::countDestination(RtfKeyword kw) {
    using C = DocumentReport::Content;
    switch (kw) {
        case K::Picture:
            countContent(C::Picture);
            break;
        case K::Object:
            countContent(C::Object);
            break;
        case K::Drawing:
            countContent(C::Drawing);
            break;
        case K::FieldInstruction:
            countContent(C::FieldCode);
            break;
        case K::Annotation:
            countContent(C::Annotation);
            break;
        case K::BookmarkStart:
            countContent(C::Bookmark);
            break;
        default:
            break;
    }
}

void RtfParser::bodyWord(RtfKeyword kw, bool hasParam, int32_t param) {
    Group& g = stack_.back();
    CharState& ch = g.ch;
    ParaState& p = g.para;
    const bool on = !hasParam || param != 0;
    auto effect = [&ch, on](uint32_t bit) {
        ch.effects = on ? (ch.effects | bit) : (ch.effects & ~bit);
    };
    switch (kw) {
        case K::Ansi:
            ansiCodePage_ = 1252;
            break;
        case K::Mac:
            ansiCodePage_ = 10000;
            break;
        case K::Pc:
            ansiCodePage_ = 437;
            break;
        case K::Pca:
            ansiCodePage_ = 850;
            break;
        case K::AnsiCpg:
            if (hasParam) {
                ansiCodePage_ = param;
            }
            break;
        case K::Deff:
            deff_ = param;
            break;
        case K::F:
            ch.font = param < 0 ? 0 : param;
            break;
        case K::Plain:
            ch = CharState{};
            g.hidden = false;
            g.lostFormats = 0;
            break;
        case K::Fs:
            ch.height = hasParam ? clampTo(param, 0, kMaxHalfPoints) * 10 : 240;
            break;
        case K::SorvelHeight:
            ch.height = param;
            break;
        case K::B:
            effect(chareffect::Bold);
            break;
        case K::I:
            effect(chareffect::Italic);
            break;
        case K::Ul:
            effect(chareffect::Underline);
            lostFormat(g.lostFormats, F::UnderlineStyle, false);
            break;
        case K::UlStyle:
            effect(chareffect::Underline);
            lostFormat(g.lostFormats, F::UnderlineStyle, on);
            break;
        case K::UlNone:
            ch.effects &= ~chareffect::Underline;
            lostFormat(g.lostFormats, F::UnderlineStyle, false);
            break;
        case K::Strike:
            effect(chareffect::StrikeOut);
            break;
        case K::Cf:
            ch.color = param;
            break;
        case K::Up:
            ch.offset = (hasParam ? clampTo(param, -kMaxHalfPoints, kMaxHalfPoints) : 6) * 10;
            break;
        case K::Dn:
            ch.offset = -(hasParam ? clampTo(param, -kMaxHalfPoints, kMaxHalfPoints) : 6) * 10;
            break;
        case K::SorvelOffset:
            ch.offset = param;
            break;
        case K::Super:
            ch.offset = 60;
            lostFormat(g.lostFormats, F::SuperSubscript, true);
            break;
        case K::Sub:
            ch.offset = -60;
            lostFormat(g.lostFormats, F::SuperSubscript, true);
            break;
        case K::NoSuperSub:
            ch.offset = 0;
            lostFormat(g.lostFormats, F::SuperSubscript, false);
            break;
        case K::Hidden:
            g.hidden = on;
            break;
        case K::Pard:
            p = ParaState{};
            break;
        case K::Ql:
        case K::Qj:
            p.align = alignment::Left;
            lostFormat(p.lostFormats, F::Justified, kw == K::Qj);
            break;
        case K::Qc:
            p.align = alignment::Center;
            lostFormat(p.lostFormats, F::Justified, false);
            break;
        case K::Qr:
            p.align = alignment::Right;
            lostFormat(p.lostFormats, F::Justified, false);
            break;
        case K::Li:
            p.left = clampTo(param, -kMaxIndent, kMaxIndent);
            break;
        case K::Fi:
            p.first = clampTo(param, -kMaxIndent, kMaxIndent);
            break;
        case K::Ls:
            p.ls = param;
            break;
        case K::Ilvl:
            p.level = clampTo(param, 0, 8);
            break;
        case K::InTable:
            p.inTable = true;
            break;
        case K::TableDepth:
            p.inTable = param > 0;
            break;
        case K::Par:
            if (g.hidden) {
                // A hidden paragraph mark joins nothing: its text is gone too.
                countText(g, 2);
                break;
            }
            if (!p.inTable) {
                tableOpen_ = false;
            }
            paragraphBreak();
            break;
        case K::Line:
        case K::Row:
        case K::NestRow:
            paragraphBreak();
            break;
        case K::Page:
            countFormat(F::PageBreak);
            // A page break on its own line would only add an empty paragraph.
            if (charsInParagraph_ > 0) {
                paragraphBreak();
            }
            break;
        case K::Cell:
            // A table's first cell; its rows follow until a paragraph outside it.
            if (!tableOpen_) {
                countContent(DocumentReport::Content::Table);
                tableOpen_ = true;
            }
            putChar('\t');
            break;
        case K::Tab:
            putChar('\t');
            break;
        case K::EmDash:
            putChar(0x97);
            break;
        case K::EnDash:
            putChar(0x96);
            break;
        case K::Space:
            putChar(' ');
            break;
        case K::Bullet:
            putChar(0x95);
            break;
        case K::LQuote:
            putChar(0x91);
            break;
        case K::RQuote:
            putChar(0x92);
            break;
        case K::LDblQuote:
            putChar(0x93);
            break;
        case K::RDblQuote:
            putChar(0x94);
            break;
        default:
            lostFormatWord(kw, hasParam, param);
            break;
    }
}

void RtfParser::lostFormatWord(RtfKeyword kw, bool hasParam, int32_t param) {
    Group& g = stack_.back();
    uint16_t& chars = g.lostFormats;
    uint16_t& paras = g.para.lostFormats;
    const bool on = !hasParam || param != 0;
    switch (kw) {
        case K::SmallCaps:
            lostFormat(chars, F::SmallCapitals, on);
            break;
        case K::Caps:
            lostFormat(chars, F::AllCapitals, on);
            break;
        case K::Highlight:
            lostFormat(chars, F::Highlight, on);
            break;
        case K::CharEffect:
            lostFormat(chars, F::CharacterEffect, on);
            break;
        case K::CharSpacing:
            lostFormat(chars, F::CharacterSpacing, on);
            break;
        case K::CharScale:
            lostFormat(chars, F::CharacterSpacing, hasParam && param != 100);
            break;
        case K::Spacing:
            if (param != 0) {
                lostFormat(paras, F::ParagraphSpacing, true);
            }
            break;
        case K::TabStop:
            lostFormat(paras, F::TabStops, true);
            break;
        case K::RightIndent:
            lostFormat(paras, F::RightIndent, param != 0);
            break;
        case K::ParaBorder:
            lostFormat(paras, F::BordersAndShading, true);
            break;
        case K::PageBreakBefore:
            lostFormat(paras, F::PageBreak, on);
            break;
        case K::Columns:
            if (param > 1) {
                countFormat(F::Columns);
            }
            break;
        default:
            break;
    }
}

void RtfParser::lostFormat(uint16_t& formats, DocumentReport::Formatting kind, bool on) {
    const auto bit = static_cast<uint16_t>(1u << static_cast<unsigned>(kind));
    formats = static_cast<uint16_t>(on ? formats | bit : formats & ~bit);
}

void RtfParser::countFormat(DocumentReport::Formatting kind) {
    if (report_) {
        report_->add(kind);
    }
}

void RtfParser::fontWord(RtfKeyword kw, std::string_view name, int32_t param) {
    switch (kw) {
        case K::F:
            if (fontNumber_ >= 0) {
                commitFont();
            }
            fontNumber_ = param < 0 ? 0 : param;
            font_ = RtfFont{};
            break;
        case K::FCharSet:
            font_.charSet = clampTo(param, 0, 255);
            break;
        case K::FPrq:
            font_.pitchAndFamily =
                static_cast<uint8_t>((font_.pitchAndFamily & ~0x3) | clampTo(param, 0, 3));
            break;
        case K::Family:
            font_.pitchAndFamily = static_cast<uint8_t>((font_.pitchAndFamily & 0x0F) |
                                                        rtffamily::familyOfKeyword(name));
            break;
        case K::SorvelPitchFamily:
            font_.pitchAndFamily = static_cast<uint8_t>(clampTo(param, 0, 255));
            break;
        case K::Cpg:
            font_.codePage = param;
            break;
        default:
            break;
    }
}

void RtfParser::listWord(RtfKeyword kw, int32_t param) {
    const bool table = stack_.back().dest == Dest::ListTable;
    switch (kw) {
        case K::List:
            listLevels_.clear();
            break;
        case K::ListLevel:
            if (table && listLevels_.size() < kMaxListLevels) {
                listLevels_.push_back(0);
            }
            break;
        case K::LevelNfc:
            if (table && !listLevels_.empty()) {
                listLevels_.back() = param;
            }
            break;
        case K::ListId:
            if (table) {
                tables_.addList(param, listLevels_);
            } else {
                overrideListId_ = param;
            }
            break;
        case K::ListOverride:
            overrideListId_ = 0;
            break;
        case K::Ls:
            if (!table) {
                tables_.addListOverride(param, overrideListId_);
            }
            break;
        default:
            break;
    }
}

void RtfParser::commitFont() {
    tables_.addFont(fontNumber_, std::move(font_), ansiCodePage_);
    font_ = RtfFont{};
    fontNumber_ = -1;
    ++tablesVersion_;
}

void RtfParser::commitColor() {
    tables_.addColor(hasRgb_ ? std::optional<uint32_t>(rgb_) : std::nullopt);
    hasRgb_ = false;
    rgb_ = 0;
    ++tablesVersion_;
}

}  // namespace sorvel
