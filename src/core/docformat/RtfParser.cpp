#include "docformat/RtfParser.h"

#include <algorithm>
#include <limits>

#include "common/Cp1252.h"
#include "docformat/RtfReader.h"
#include "pali/PaliUnicode.h"

namespace sorvel {

namespace {

using K = RtfKeyword;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

constexpr std::size_t kMaxFaceBytes = 256;

}  // namespace

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
    const std::size_t n = in_.size();
    doc_.reserve(n);  // the text is never longer than its RTF
    std::size_t i = 0;
    while (i < n) {
        const char c = in_[i];
        if (c == '{') {
            ++i;
            openGroup();
        } else if (c == '}') {
            ++i;
            closeGroup();
            if (stack_.empty() && skipDepth_ == 0) {
                break;  // the document's last brace; whatever follows is no RTF
            }
        } else if (c == '\\') {
            i = controlAt(i);
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (plainTextFollows()) {
            i = putPlainText(i);
        } else {
            ++i;
            textByte(static_cast<uint8_t>(c));
        }
    }
    return finish();
}

bool RtfParser::plainTextFollows() const {
    return skipDepth_ == 0 && ucSkip_ == 0 && pendingHigh_ == 0 && !stack_.empty() &&
           stack_.back().dest == Dest::Body && !stack_.back().hidden;
}

std::size_t RtfParser::putPlainText(std::size_t i) {
    // The bulk of a document: text without markup, taken in one piece.
    std::size_t j = i;
    while (j < in_.size()) {
        const auto c = static_cast<uint8_t>(in_[j]);
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' ||
            (c < 0x20 && c != '\t')) {
            break;
        }
        ++j;
    }
    if (j == i) {
        textByte(static_cast<uint8_t>(in_[i]));
        return i + 1;
    }
    star_ = false;
    const CharState& ch = stack_.back().ch;
    if (!pending_.empty() && !(ch == pendingState_)) {
        flushText();
    }
    if (pending_.empty()) {
        pendingState_ = ch;
    }
    pending_.append(in_.data() + i, j - i);
    charsInParagraph_ += static_cast<long>(j - i);
    return j;
}

std::size_t RtfParser::controlAt(std::size_t i) {
    const std::size_t n = in_.size();
    std::size_t j = i + 1;
    if (j >= n) {
        return n;
    }
    if (!isLetter(in_[j])) {
        const char c = in_[j++];
        if (c == '\'') {
            const int hi = j < n ? hexValue(in_[j]) : -1;
            const int lo = j + 1 < n ? hexValue(in_[j + 1]) : -1;
            if (hi >= 0 && lo >= 0) {
                hexByte(static_cast<uint8_t>(hi * 16 + lo));
                return j + 2;
            }
            return j;
        }
        controlSymbol(c);
        return j;
    }
    const std::size_t nameStart = j;
    while (j < n && isLetter(in_[j])) {
        ++j;
    }
    const std::string_view name = in_.substr(nameStart, j - nameStart);
    bool negative = false;
    if (j + 1 < n && in_[j] == '-' && isDigit(in_[j + 1])) {
        negative = true;
        ++j;
    }
    bool hasParam = false;
    int64_t value = 0;
    while (j < n && isDigit(in_[j])) {
        hasParam = true;
        if (value <= std::numeric_limits<int32_t>::max()) {
            value = value * 10 + (in_[j] - '0');
        }
        ++j;
    }
    if (negative) {
        value = -value;
    }
    const auto param = static_cast<int32_t>(std::clamp<int64_t>(
        value, -std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()));
    if (j < n && in_[j] == ' ') {
        ++j;  // the delimiter belongs to the control word
    }
    // RTF names have at most 32 letters; a longer one is nothing we know.
    const RtfKeyword kw = name.size() <= 32 ? rtfKeyword(name) : K::Unknown;
    if (kw == K::Bin) {
        // Raw bytes follow; never more than what is left.
        const std::size_t count = param > 0 ? static_cast<std::size_t>(param) : 0;
        j += std::min(count, n - j);
        if (skipDepth_ == 0 && ucSkip_ > 0) {
            --ucSkip_;
        }
        star_ = false;
        return j;
    }
    controlWord(kw, name, hasParam, param);
    return j;
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
    const Group& g = stack_.back();
    if (g.dest == Dest::FontTable && fontNumber_ >= 0) {
        commitFont();  // an entry may end with its group instead of ";"
    }
    if (stack_.size() == 1) {
        endState_ = g;
    }
    stack_.pop_back();
}

void RtfParser::skipGroup() {
    if (!stack_.empty()) {
        if (stack_.size() == 1) {
            endState_ = stack_.back();
        }
        stack_.pop_back();
    }
    skipDepth_ = 1;
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
    if (skipping()) {
        return;
    }
    star_ = false;
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

const RtfFont* RtfParser::currentFont() {
    int id = stack_.back().ch.font;
    if (id < 0) {
        id = deff_;
    }
    if (id != cachedFontId_ || cachedFontVersion_ != tablesVersion_) {
        cachedFont_ = tables_.font(id);
        if (!cachedFont_) {
            cachedFont_ = tables_.font(deff_);
        }
        cachedFontId_ = id;
        cachedFontVersion_ = tablesVersion_;
    }
    return cachedFont_;
}

void RtfParser::unicodeChar(char32_t u) {
    const Dest dest = stack_.back().dest;
    if (dest == Dest::FontTable) {
        if (fontNumber_ >= 0 && font_.face.size() < kMaxFaceBytes) {
            font_.face += static_cast<char>(Cp1252::fromUnicode(u).value_or('?'));
        }
        return;
    }
    if (dest != Dest::Body) {
        return;
    }
    if (pendingHigh_ != 0 && u >= 0xDC00 && u <= 0xDFFF) {
        u = 0x10000 + ((static_cast<char32_t>(pendingHigh_) - 0xD800) << 10) + (u - 0xDC00);
        pendingHigh_ = 0;
    }
    if (u >= 0xD800 && u <= 0xDBFF) {
        if (pendingHigh_ != 0) {
            pendingHigh_ = 0;
            putChar('?');
        }
        pendingHigh_ = static_cast<char16_t>(u);
        return;
    }
    if (u == '\r' || u == '\n') {
        return;
    }
    if (!unicode_) {
        putChar(byteOfUnicode(u));
        return;
    }
    const long before = doc_.length() + static_cast<long>(pending_.size());
    putChar(byteOfUnicode(u));
    const long after = doc_.length() + static_cast<long>(pending_.size());
    if (after > before) {  // not hidden text
        unicode_->push_back({after - 1, u});
    }
}

uint8_t RtfParser::byteOfUnicode(char32_t u) {
    // Symbol and legacy 8-bit fonts appear in Unicode as U+F020 to U+F0FF.
    if (u >= 0xF020 && u <= 0xF0FF) {
        return static_cast<uint8_t>(u - 0xF000);
    }
    // LibreOffice carries the five bytes that Windows-1252 leaves undefined
    // as U+F100 plus the byte.
    if (u >= 0xF181 && u <= 0xF19D) {
        const auto b = static_cast<uint8_t>(u - 0xF100);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            return b;
        }
    }
    const RtfFont* font = currentFont();
    const CodePage& page = font ? *font->page : CodePage::of(ansiCodePage_);
    if (const std::optional<uint8_t> b = page.fromUnicode(u)) {
        return *b;
    }
    // What the code page cannot carry: a Pali letter in a Pali font is that
    // font's byte, anything else a question mark.
    if (font && isPaliFont(font->pali)) {
        if (const std::optional<uint8_t> p = paliFontByteOfUnicode(u, font->pali)) {
            return *p;
        }
    }
    return '?';
}

void RtfParser::putChar(uint8_t c) {
    const Group& g = stack_.back();
    if (g.hidden) {
        return;
    }
    if (pendingHigh_ != 0) {
        pendingHigh_ = 0;
        putChar('?');  // a high surrogate without its low half
    }
    if (!pending_.empty() && !(g.ch == pendingState_)) {
        flushText();
    }
    if (pending_.empty()) {
        pendingState_ = g.ch;
    }
    pending_ += static_cast<char>(c);
    ++charsInParagraph_;
}

void RtfParser::flushText() {
    if (!pending_.empty()) {
        doc_.append(pending_, resolve(pendingState_));
        pending_.clear();
    }
}

void RtfParser::paragraphBreak() {
    if (pendingHigh_ != 0) {
        pendingHigh_ = 0;
        putChar('?');
    }
    flushText();
    const Group& g = stack_.back();
    lastBreakChar_ = resolve(g.ch);
    lastBreakPara_ = paraFormat(g.para);
    doc_.appendBreak(lastBreakChar_, lastBreakPara_);
    ++breaks_;
    charsInParagraph_ = 0;
}

const FontDescription& RtfParser::resolve(const CharState& ch) {
    if (resolvedValid_ && resolvedVersion_ == tablesVersion_ && ch == resolvedState_) {
        return resolved_;
    }
    FontDescription f = RichText::standardFormat();
    f.mask = charmask::All;
    f.effects = ch.effects;
    f.height = ch.height;
    f.offset = ch.offset;
    if (const std::optional<uint32_t> color = tables_.color(ch.color)) {
        f.color = *color;
    } else {
        f.effects |= chareffect::AutoColor;
        f.color = 0;
    }
    const RtfFont* font = tables_.font(ch.font < 0 ? deff_ : ch.font);
    if (!font) {
        font = tables_.font(deff_);
    }
    if (font) {
        f.faceName = font->face;
        f.charSet = static_cast<uint8_t>(font->charSet < 0 ? 0 : font->charSet);
        f.pitchAndFamily = font->pitchAndFamily;
    } else {
        f.charSet = 0;  // no font table: the standard face
    }
    resolved_ = f;
    resolvedState_ = ch;
    resolvedVersion_ = tablesVersion_;
    resolvedValid_ = true;
    return resolved_;
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

RichText RtfParser::finish() {
    if (!stack_.empty()) {
        endState_ = stack_.back();  // a missing final brace
    }
    const Group end = endState_.value_or(Group{});
    if (pendingHigh_ != 0 && !stack_.empty()) {
        pendingHigh_ = 0;
        putChar('?');
    }
    flushText();
    if (breaks_ > 0 && charsInParagraph_ == 0) {
        // The last \par closes the document rather than opening a paragraph.
        const long length = doc_.length();
        doc_.replace(length - 2, length, std::string_view(), lastBreakChar_);
        doc_.setParaFormat(doc_.paragraphCount() - 1, lastBreakPara_);
        doc_.setDefaultFormat(lastBreakChar_);
    } else {
        doc_.setParaFormat(doc_.paragraphCount() - 1, paraFormat(end.para));
        doc_.setDefaultFormat(resolve(end.ch));
    }
    return std::move(doc_);
}

}  // namespace sorvel
