#include "text/MemorySurface.h"

#include <algorithm>
#include <unordered_set>

namespace sorvel {

MemorySurface::MemorySurface(std::shared_ptr<MemoryClipboard> clipboard,
                             const FontDescription& defaultFormat)
    : doc_(defaultFormat),
      clipboard_(clipboard ? std::move(clipboard) : std::make_shared<MemoryClipboard>()),
      insertion_(doc_.defaultFormat()) {}

FontDescription MemorySurface::formatBeforeCaret() const {
    const long pos = sel_.start;
    const long len = doc_.length();
    if (len == 0) {
        return insertion_;
    }
    // Inside a paragraph text continues in the format of the character before
    // the caret; at a paragraph's start, in that of its first character.
    const bool paragraphStart = pos == 0 || doc_.text()[pos - 1] == '\n';
    if (paragraphStart && pos < len) {
        return doc_.formatAt(pos);
    }
    return doc_.formatAt(pos - 1);
}

void MemorySurface::setDocument(const RichText& text) {
    doc_ = text;
    sel_ = {};
    undo_.clear();
    insertion_ = doc_.empty() ? doc_.defaultFormat() : formatBeforeCaret();
    modified_ = false;
}

void MemorySurface::setSel(long start, long end) {
    const long len = doc_.length();
    if (end < 0 || end > len) {
        end = len;
    }
    start = std::clamp(start, 0L, len);
    if (start > end) {
        std::swap(start, end);
    }
    Selection next;
    if (start == end) {
        next.start = next.end = doc_.snapDown(start);
    } else {
        next.start = doc_.snapDown(start);
        next.end = doc_.snapUp(end);
    }
    if (next == sel_) {
        return;  // an unchanged caret keeps the format set at it
    }
    sel_ = next;
    if (sel_.empty()) {
        insertion_ = formatBeforeCaret();
    }
}

std::string MemorySurface::getSelText() const {
    return std::string(doc_.textRange(sel_.start, sel_.end));
}

std::string MemorySurface::getTextRange(long start, long end) const {
    return std::string(doc_.textRange(start, end));
}

RichText MemorySurface::getRichTextRange(long start, long end) const {
    const long len = doc_.length();
    if (end < 0 || end > len) {
        end = len;
    }
    start = std::clamp(start, 0L, end);
    return doc_.slice(doc_.snapDown(start), doc_.snapUp(end));
}

void MemorySurface::record(long start, long insertedLength, bool undoable, RichText removed) {
    if (!undoable) {
        undo_.clear();
        return;
    }
    undo_.push_back(UndoStep{start, insertedLength, std::move(removed)});
}

void MemorySurface::replaceSel(std::string_view text, bool undoable) {
    const Selection s = sel_;
    if (s.empty() && text.empty()) {
        return;
    }
    const FontDescription format = s.empty() ? insertion_ : doc_.formatAt(s.start);
    RichText removed = undoable ? doc_.slice(s.start, s.end) : RichText();
    const long n = doc_.replace(s.start, s.end, text, format);
    record(s.start, n, undoable, std::move(removed));
    sel_ = {s.start + n, s.start + n};
    insertion_ = format;
    modified_ = true;
}

void MemorySurface::replaceSelection(const RichText& piece, bool undoable) {
    const Selection s = sel_;
    if (s.empty() && piece.empty()) {
        return;
    }
    RichText removed = undoable ? doc_.slice(s.start, s.end) : RichText();
    const long n = doc_.replace(s.start, s.end, piece);
    record(s.start, n, undoable, std::move(removed));
    sel_ = {s.start + n, s.start + n};
    insertion_ = formatBeforeCaret();
    modified_ = true;
}

void MemorySurface::setWindowText(std::string_view text) {
    const FontDescription format = doc_.empty() ? insertion_ : doc_.formatAt(0);
    doc_.replace(0, doc_.length(), text, format);
    undo_.clear();
    sel_ = {};
    insertion_ = doc_.empty() ? format : formatBeforeCaret();
    modified_ = true;
}

FontDescription MemorySurface::getCharFormatSelection() const {
    if (sel_.empty()) {
        FontDescription f = insertion_;
        f.size = 60;
        f.mask = charmask::All;
        return f;
    }
    // Paragraph breaks take no part unless the selection holds nothing else.
    const std::string& text = doc_.text();
    auto isBreak = [&text](long i) { return text[i] == '\r' || text[i] == '\n'; };
    long first = sel_.start;
    while (first < sel_.end && isBreak(first)) {
        ++first;
    }
    const bool onlyBreaks = first == sel_.end;
    if (onlyBreaks) {
        first = sel_.start;
    }
    FontDescription result = doc_.formatAt(first);
    result.size = 60;
    uint32_t mask = charmask::All;
    uint32_t lastId = doc_.formatIdAt(first);
    std::unordered_set<uint32_t> seen{lastId};
    for (long i = first; i < sel_.end; ++i) {
        const uint32_t id = doc_.formatIdAt(i);
        if (id == lastId || (!onlyBreaks && isBreak(i))) {
            continue;
        }
        lastId = id;
        if (!seen.insert(id).second) {
            continue;
        }
        const FontDescription& f = doc_.formatAt(i);
        mask &= ~f.differingMask(result);
    }
    result.mask = mask;
    return result;
}

void MemorySurface::setCharFormat(const FontDescription& format) {
    if (sel_.empty()) {
        insertion_.merge(format);
        return;
    }
    record(sel_.start, sel_.length(), true, doc_.slice(sel_.start, sel_.end));
    doc_.applyFormat(sel_.start, sel_.end, format);
    modified_ = true;
}

ParaFormat MemorySurface::getParaFormatSelection() const {
    const int first = doc_.paragraphAt(sel_.start);
    const int last = sel_.empty() ? first : doc_.paragraphAt(doc_.snapDown(sel_.end - 1));
    ParaFormat result = doc_.paraFormat(first);
    result.mask = paramask::All;
    for (int i = first + 1; i <= last; ++i) {
        result.mask &= ~doc_.paraFormat(i).differingMask(result);
    }
    return result;
}

void MemorySurface::setParaFormat(const ParaFormat& format) {
    const int first = doc_.paragraphAt(sel_.start);
    const int last = sel_.empty() ? first : doc_.paragraphAt(doc_.snapDown(sel_.end - 1));
    for (int i = first; i <= last; ++i) {
        ParaFormat p = doc_.paraFormat(i);
        p.merge(format);
        doc_.setParaFormat(i, p);
    }
    modified_ = true;
}

void MemorySurface::clear() {
    if (!sel_.empty()) {
        replaceSel("", true);
    }
}

void MemorySurface::paste() {
    if (clipboard_->rich()) {
        replaceSelection(*clipboard_->rich(), true);
    } else if (clipboard_->plain()) {
        replaceSel(*clipboard_->plain(), true);
    }
}

void MemorySurface::copy() {
    if (sel_.empty()) {
        return;
    }
    clipboard_->setRich(doc_.slice(sel_.start, sel_.end), getSelText());
}

void MemorySurface::undo() {
    if (undo_.empty()) {
        return;
    }
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    const long n = doc_.replace(step.start, step.start + step.insertedLength, step.removed);
    sel_ = {step.start, step.start + n};
    modified_ = true;
}

}  // namespace sorvel
