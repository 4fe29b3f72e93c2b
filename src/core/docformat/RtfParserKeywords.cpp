#include "docformat/RtfParser.h"

#include <algorithm>

#include "docformat/RtfFontFamily.h"

// The control words: what each does in the destination it appears in.

namespace sorvel {

namespace {

using K = RtfKeyword;

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
        case K::Uc:
            g.uc = hasParam ? clampTo(param, 0, 1000) : 1;
            return;
        case K::U:
            if (hasParam) {
                const int64_t code = param < 0 ? int64_t{param} + 65536 : param;
                unicodeChar(code >= 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : 0xFFFD);
                ucSkip_ = stack_.empty() ? 0 : stack_.back().uc;
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
            if (kw == K::PnLevelBullet || kw == K::PnLevelOther) {
                stack_[stack_.size() - 2].para.pnBullet = kw == K::PnLevelBullet;
            }
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
            break;
        case K::UlNone:
            ch.effects &= ~chareffect::Underline;
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
            break;
        case K::Sub:
            ch.offset = -60;
            break;
        case K::NoSuperSub:
            ch.offset = 0;
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
            break;
        case K::Qc:
            p.align = alignment::Center;
            break;
        case K::Qr:
            p.align = alignment::Right;
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
        case K::Par:
        case K::Line:
        case K::Row:
            paragraphBreak();
            break;
        case K::Page:
            // A page break on its own line would only add an empty paragraph.
            if (charsInParagraph_ > 0) {
                paragraphBreak();
            }
            break;
        case K::Tab:
        case K::Cell:
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
            break;
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
