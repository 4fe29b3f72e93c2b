#include "docformat/RtfParser.h"

#include <algorithm>
#include <limits>

#include "docformat/RtfReader.h"

namespace sorvel {

namespace {

using K = RtfKeyword;

constexpr uint64_t kFnvPrime = 1099511628211u;

}  // namespace

RtfParser::RtfParser(std::string_view rtf, const RtfReader::Options& options)
    : in_(rtf),
      unicode_(options.unicode),
      report_(options.report),
      paliFont_(options.unicode ? nullptr : options.paliFont) {
    if (report_ && paliFont_) {
        report_->setPaliFace(paliFont_->faceName);
    }
}

bool RtfParser::skipping() {
    if (skipDepth_ > 0) {
        return true;
    }
    if (ucSkip_ > 0) {
        --ucSkip_;
        star_ = false;
        return true;
    }
    return stack_.empty();
}

RichText RtfParser::run() {
    doc_.reserve(in_.size());  // the text is never longer than its RTF
    using Kind = RtfTokenizer::Kind;
    RtfTokenizer tokens(in_);
    for (RtfTokenizer::Token t = tokens.next(); t.kind != Kind::End; t = tokens.next()) {
        switch (t.kind) {
            case Kind::GroupOpen:
                openGroup();
                break;
            case Kind::GroupClose:
                closeGroup();
                if (stack_.empty() && skipDepth_ == 0) {
                    return finish();  // the document's last brace; whatever follows is no RTF
                }
                break;
            case Kind::ControlWord:
                // RTF names have at most 32 letters; a longer one is nothing we know.
                controlWord(t.text.size() <= 32 ? rtfKeyword(t.text) : K::Unknown, t.text,
                            t.hasParam, t.param);
                break;
            case Kind::ControlSymbol:
                controlSymbol(static_cast<char>(t.byte));
                break;
            case Kind::Hex:
                hexByte(t.byte);
                break;
            case Kind::Binary:
                // Data, never text; it counts as one character of a fallback.
                if (skipDepth_ == 0 && ucSkip_ > 0) {
                    --ucSkip_;
                }
                star_ = false;
                break;
            case Kind::Text:
                text(t.text);
                break;
            case Kind::End:
                break;
        }
    }
    return finish();
}

void RtfParser::text(std::string_view run) {
    if (skipDepth_ > 0) {
        return;
    }
    while (ucSkip_ > 0 && !run.empty()) {
        --ucSkip_;
        star_ = false;
        run.remove_prefix(1);
    }
    if (run.empty() || stack_.empty()) {
        return;
    }
    star_ = false;
    const Group& g = stack_.back();
    if (g.dest == Dest::HeaderFooter) {
        for (const char c : run) {
            headerFooter_->hash = (headerFooter_->hash ^ static_cast<uint8_t>(c)) * kFnvPrime;
        }
        return;
    }
    if (g.dest == Dest::Body && pendingHigh_ == 0 &&
        (run.size() > 1 || static_cast<uint8_t>(run[0]) >= 0x20 || run[0] == '\t')) {
        // The bulk of a document: text without markup, taken in one piece.
        if (g.hidden) {
            countText(g, static_cast<long>(run.size()));
            return;
        }
        if (!pending_.empty() && !(g.ch == pendingState_)) {
            flushText();
        }
        if (pending_.empty()) {
            pendingState_ = g.ch;
        }
        pending_.append(run);
        charsInParagraph_ += static_cast<long>(run.size());
        if (g.lostFormats != 0) {
            countText(g, static_cast<long>(run.size()));
        }
        return;
    }
    for (const char c : run) {
        textByte(static_cast<uint8_t>(c));
    }
}

void RtfParser::openGroup() {
    if (skipDepth_ > 0) {
        ++skipDepth_;
        return;
    }
    ucSkip_ = 0;
    star_ = false;
    if (stack_.size() >= static_cast<std::size_t>(RtfReader::kMaxDepth)) {
        skipDepth_ = 1;
        return;
    }
    stack_.push_back(stack_.empty() ? Group{} : stack_.back());
}

void RtfParser::closeGroup() {
    if (skipDepth_ > 0) {
        --skipDepth_;
        return;
    }
    ucSkip_ = 0;
    star_ = false;
    if (stack_.empty()) {
        return;
    }
    if (stack_.back().dest == Dest::FontTable && fontNumber_ >= 0) {
        commitFont();  // an entry may end with its group instead of ";"
    }
    popGroup();
}

void RtfParser::skipGroup() {
    if (!stack_.empty()) {
        popGroup();
    }
    skipDepth_ = 1;
}

void RtfParser::popGroup() {
    if (stack_.size() == 1) {
        endState_ = stack_.back();
    }
    if (headerFooter_ && stack_.size() == headerFooter_->depth) {
        endHeaderFooter();
    }
    stack_.pop_back();
}

void RtfParser::endHeaderFooter() {
    // Each section may repeat the header of the one before: the same text
    // counts once.
    const std::pair<DocumentReport::Content, uint64_t> seen = {headerFooter_->kind,
                                                               headerFooter_->hash};
    if (std::find(headersFooters_.begin(), headersFooters_.end(), seen) == headersFooters_.end()) {
        headersFooters_.push_back(seen);
        countContent(seen.first);
    }
    headerFooter_.reset();
}

void RtfParser::controlSymbol(char c) {
    if (skipping()) {
        return;
    }
    if (c == '*') {
        star_ = true;
        return;
    }
    star_ = false;
    const Dest dest = stack_.back().dest;
    if (c == '\\' || c == '{' || c == '}') {
        textByte(static_cast<uint8_t>(c));
        return;
    }
    if (dest != Dest::Body) {
        return;
    }
    switch (c) {
        case '~':
            putChar(0xA0);
            break;
        case '-':
            putChar(0xAD);
            break;
        case '_':
            putChar('-');
            break;
        case '\r':
        case '\n':
            paragraphBreak();
            break;
        default:
            break;  // \: \| and unknown symbols
    }
}

void RtfParser::textByte(uint8_t b) {
    switch (stack_.back().dest) {
        case Dest::Body:
            if (b == '\t') {
                putChar('\t');
            } else if (b >= 0x20) {
                putChar(b);
            }
            break;
        case Dest::FontTable:
            if (b == ';') {
                if (fontNumber_ >= 0) {
                    commitFont();
                }
            } else if (fontNumber_ >= 0 && font_.face.size() < kMaxFaceBytes) {
                font_.face += static_cast<char>(b);
            }
            break;
        case Dest::ColorTable:
            if (b == ';') {
                commitColor();
            }
            break;
        default:
            break;
    }
}

void RtfParser::hexByte(uint8_t b) {
    if (skipping()) {
        return;
    }
    star_ = false;
    switch (stack_.back().dest) {
        case Dest::Body:
            if (b != '\r' && b != '\n') {
                putChar(b);
            }
            break;
        case Dest::FontTable:
            // An escaped ";" is part of the name.
            if (fontNumber_ >= 0 && font_.face.size() < kMaxFaceBytes) {
                font_.face += static_cast<char>(b);
            }
            break;
        default:
            break;
    }
}

void RtfParser::paragraphBreak() {
    if (pendingHigh_ != 0) {
        putLoneHighSurrogate();
    }
    flushText();
    const Group& g = stack_.back();
    countParagraph(g.para);
    lastBreakChar_ = resolve(g.ch);
    lastBreakPara_ = paraFormat(g.para);
    doc_.appendBreak(lastBreakChar_, lastBreakPara_);
    ++breaks_;
    charsInParagraph_ = 0;
}

ParaFormat RtfParser::paraFormat(const ParaState& p) const {
    ParaFormat f;
    f.mask = paramask::All;
    f.alignment = p.align;
    f.startIndent = p.left + p.first;
    f.offset = -p.first;
    const bool bullet = p.pnBullet || (p.ls > 0 && tables_.isBulletList(p.ls, p.level));
    f.numbering = bullet ? numbering::Bullet : numbering::None;
    return f;
}

void RtfParser::countParagraph(const ParaState& p) {
    if (!report_) {
        return;
    }
    if (p.lostFormats != 0) {
        countFormats(p.lostFormats, 1);
    }
    if (!p.pnBullet && (p.pnNumber || (p.ls > 0 && tables_.isNumberedList(p.ls, p.level)))) {
        report_->add(DocumentReport::Content::ListNumber);
    }
}

RichText RtfParser::finish() {
    if (!stack_.empty()) {
        endState_ = stack_.back();  // a missing final brace
    }
    if (headerFooter_) {
        endHeaderFooter();
    }
    const Group end = endState_.value_or(Group{});
    if (pendingHigh_ != 0 && !stack_.empty()) {
        putLoneHighSurrogate();
    }
    flushText();
    if (breaks_ > 0 && charsInParagraph_ == 0) {
        // The last \par closes the document rather than opening a paragraph.
        const long length = doc_.length();
        doc_.replace(length - 2, length, std::string_view(), lastBreakChar_);
        doc_.setParaFormat(doc_.paragraphCount() - 1, lastBreakPara_);
        doc_.setDefaultFormat(lastBreakChar_);
    } else {
        if (charsInParagraph_ > 0) {
            countParagraph(end.para);
        }
        doc_.setParaFormat(doc_.paragraphCount() - 1, paraFormat(end.para));
        doc_.setDefaultFormat(resolve(end.ch));
    }
    return std::move(doc_);
}

}  // namespace sorvel
