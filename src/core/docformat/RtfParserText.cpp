#include <algorithm>

#include "common/Cp1252.h"
#include "docformat/RtfParser.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliComposition.h"
#include "pali/PaliUnicode.h"

// The characters: what each becomes in the 8-bit text, and what is counted
// of those that cannot stay.

namespace sorvel {

namespace {

using F = DocumentReport::Formatting;

}  // namespace

const RtfFont* RtfParser::fontOf(const CharState& ch) const {
    const RtfFont* font = tables_.font(ch.font < 0 ? deff_ : ch.font);
    return font ? font : tables_.font(deff_);
}

const RtfFont* RtfParser::currentFont() {
    const int id = stack_.back().ch.font < 0 ? deff_ : stack_.back().ch.font;
    if (id != cachedFontId_ || cachedFontVersion_ != tablesVersion_) {
        cachedFont_ = fontOf(stack_.back().ch);
        cachedFontId_ = id;
        cachedFontVersion_ = tablesVersion_;
    }
    return cachedFont_;
}

std::string RtfParser::currentCharacterSet() {
    const RtfFont* font = currentFont();
    if (font && isPaliFont(font->pali)) {
        return font->face;
    }
    return (font ? *font->page : CodePage::of(ansiCodePage_)).name();
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
            putLoneHighSurrogate();
        }
        pendingHigh_ = static_cast<char16_t>(u);
        return;
    }
    if (u == '\r' || u == '\n') {
        return;
    }
    if (pendingHigh_ != 0) {
        putLoneHighSurrogate();
    }
    const std::optional<uint8_t> b = byteOfUnicode(u);
    if (!b && !stack_.back().hidden) {
        // What the code page cannot carry.
        if (!unicode_ && paliFont_ && putPali(u)) {
            return;
        }
        lostCharacter(u, charsInParagraph_ + 1, currentCharacterSet());
        if (!unicode_ && ucSkip_ > 0) {
            ucSkip_ = 0;  // the file's own fallback follows: it is read as text
            return;
        }
    }
    if (!unicode_) {
        putChar(b.value_or('?'));
        return;
    }
    const long before = doc_.length() + static_cast<long>(pending_.size());
    putChar(b.value_or('?'));
    const long after = doc_.length() + static_cast<long>(pending_.size());
    if (after > before) {  // not hidden text
        unicode_->push_back({after - 1, u});
    }
}

std::optional<uint8_t> RtfParser::byteOfUnicode(char32_t u) {
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
        return b;
    }
    // A Pali letter in a Pali font is that font's byte.
    if (font && isPaliFont(font->pali)) {
        return paliFontByteOfUnicode(u, font->pali);
    }
    return std::nullopt;
}

bool RtfParser::putPali(char32_t u) {
    if (paliLetterOfUnicode(u) != 0) {
        putChar('?');  // a placeholder until the text goes into the Pali font
        pendingUnicode_.push_back({pending_.size() - 1, u});
        pendingPali_ = true;
        return true;
    }
    // A combining accent that makes a Pali letter of the letter before it.
    if (pending_.empty() || !(stack_.back().ch == pendingState_) || pendingHigh_ != 0) {
        return false;
    }
    const std::size_t last = pending_.size() - 1;
    const bool placeholder = !pendingUnicode_.empty() && pendingUnicode_.back().offset == last;
    const auto byte = static_cast<uint8_t>(pending_[last]);
    const char32_t base = placeholder ? pendingUnicode_.back().character : byte < 0x80 ? byte : 0;
    const char32_t letter = PaliComposition::composePair(base, u);
    if (letter == 0) {
        return false;
    }
    const RtfFont* font = currentFont();
    if (font && isPaliFont(font->pali)) {
        // The run's own Pali font has the letter.
        pending_[last] = static_cast<char>(paliFontByteOfUnicode(letter, font->pali).value_or('?'));
        return true;
    }
    if (placeholder) {
        pendingUnicode_.back().character = letter;
    } else {
        pendingUnicode_.push_back({last, letter});
    }
    pending_[last] = '?';
    pendingPali_ = true;
    return true;
}

void RtfParser::putChar(uint8_t c) {
    const Group& g = stack_.back();
    if (g.hidden) {
        countText(g, 1);
        return;
    }
    if (pendingHigh_ != 0) {
        putLoneHighSurrogate();
    }
    if (!pending_.empty() && !(g.ch == pendingState_)) {
        flushText();
    }
    if (pending_.empty()) {
        pendingState_ = g.ch;
    }
    pending_ += static_cast<char>(c);
    ++charsInParagraph_;
    if (g.lostFormats != 0) {
        countText(g, 1);
    }
}

void RtfParser::putLoneHighSurrogate() {
    const char32_t high = pendingHigh_;
    pendingHigh_ = 0;
    if (!stack_.back().hidden) {
        lostCharacter(high, charsInParagraph_ + 1, currentCharacterSet());
    }
    putChar('?');
}

void RtfParser::countText(const Group& g, long count) {
    if (!report_) {
        return;
    }
    if (g.hidden) {
        report_->add(DocumentReport::Content::HiddenText, count);
        return;
    }
    countFormats(g.lostFormats, count);
}

void RtfParser::countFormats(uint16_t formats, long count) {
    for (std::size_t k = 0; formats != 0 && k < DocumentReport::kFormattingKinds; ++k) {
        if (formats & (1u << k)) {
            report_->add(static_cast<F>(k), count);
            formats = static_cast<uint16_t>(formats & ~(1u << k));
        }
    }
}

void RtfParser::lostCharacter(char32_t u, long column, std::string_view font) {
    if (report_) {
        report_->addCharacter(u, breaks_ + 1, column, font);
    }
}

void RtfParser::flushText() {
    if (pending_.empty()) {
        return;
    }
    if (pendingPali_) {
        flushPali();
    } else {
        doc_.append(pending_, resolve(pendingState_));
    }
    pending_.clear();
}

void RtfParser::flushPali() {
    // The text as Unicode: its bytes by their code page, and the Pali
    // letters where their placeholders stand.
    const RtfFont* font = fontOf(pendingState_);
    std::u32string chars;
    (font ? *font->page : CodePage::of(ansiCodePage_)).decode(pending_, chars);
    for (const PendingUnicode& p : pendingUnicode_) {
        chars[p.offset] = p.character;
    }
    const PaliCharMap& target = PaliCharMap::of(paliFontByPrefix(paliFont_->faceName));
    const long first = charsInParagraph_ - static_cast<long>(pending_.size());
    std::string text;
    text.reserve(chars.size());
    for (const char32_t c : chars) {
        if (c == CodePage::kContinuation) {
            continue;
        }
        if (const std::optional<uint8_t> b = target.toByte(c)) {
            text += static_cast<char>(*b);
        } else {
            text += '?';
            lostCharacter(c, first + static_cast<long>(text.size()), paliFont_->faceName);
        }
    }
    if (report_) {
        const auto letters = std::count_if(
            pendingUnicode_.begin(), pendingUnicode_.end(),
            [&target](const PendingUnicode& p) { return target.toByte(p.character).has_value(); });
        report_->add(F::PaliFont, static_cast<long>(letters));
    }
    charsInParagraph_ -= static_cast<long>(pending_.size() - text.size());
    FontDescription format = resolve(pendingState_);
    format.faceName = paliFont_->faceName;
    format.charSet = paliFont_->charSet;
    format.pitchAndFamily = paliFont_->pitchAndFamily;
    doc_.append(text, format);
    pendingUnicode_.clear();
    pendingPali_ = false;
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
    if (const RtfFont* font = fontOf(ch)) {
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

}  // namespace sorvel
