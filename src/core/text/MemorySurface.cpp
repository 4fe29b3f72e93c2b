#include "text/MemorySurface.h"

#include <algorithm>

#include "text/MixedFormat.h"
#include "text/SurfaceRules.h"

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
    redo_.clear();
    insertion_ = doc_.empty() ? doc_.defaultFormat() : formatBeforeCaret();
    modified_ = false;
}

void MemorySurface::setSel(long start, long end) {
    const Selection range = SurfaceRules::selectionRange(start, end, doc_.length());
    Selection next;
    if (range.empty()) {
        next.start = next.end = doc_.snapDown(range.start);
    } else {
        next.start = doc_.snapDown(range.start);
        next.end = doc_.snapUp(range.end);
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
    const Selection range = SurfaceRules::textRange(start, end, doc_.length());
    return std::string(doc_.textRange(range.start, range.end));
}

RichText MemorySurface::getRichTextRange(long start, long end) const {
    const Selection range = SurfaceRules::richRange(start, end, doc_.length());
    return doc_.slice(doc_.snapDown(range.start), doc_.snapUp(range.end));
}

void MemorySurface::record(long start, long insertedLength, bool undoable, RichText removed) {
    redo_.clear();
    if (!undoable) {
        undo_.clear();
        return;
    }
    undo_.push_back(UndoStep{start, insertedLength, std::move(removed)});
}

void MemorySurface::replaceSel(std::string_view text, bool undoable) {
    const Selection s = sel_;
    if (SurfaceRules::replacesNothing(s.empty(), text.empty())) {
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

void MemorySurface::replaceSelRich(const RichText& text) {
    // Like a paste, it stops at the limit: cut where the limit falls, never
    // inside a break.
    const long room = SurfaceRules::room(doc_.length(), sel_.length(), textLimit_);
    if (text.length() <= room) {
        replaceSelection(text, true);
    } else if (room > 0) {
        replaceSelection(text.slice(0, text.snapDown(room)), true);
    }
}

void MemorySurface::replaceSelection(const RichText& piece, bool undoable) {
    const Selection s = sel_;
    if (SurfaceRules::replacesNothing(s.empty(), piece.empty())) {
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
    redo_.clear();
    sel_ = {};
    insertion_ = doc_.empty() ? format : formatBeforeCaret();
    modified_ = true;
}

FontDescription MemorySurface::getCharFormatSelection() const {
    if (sel_.empty()) {
        FontDescription f = insertion_;
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
    MixedFormat<FontDescription> mixed(charmask::All);
    // Run by run: each counts once, if it holds more than breaks.
    doc_.forEachRun(first, sel_.end, [&](const RichText::Run& run) {
        for (long i = run.start; i < run.end; ++i) {
            if (onlyBreaks || !isBreak(i)) {
                mixed.add(run.formatId, [&run] { return *run.format; });
                return;
            }
        }
    });
    return mixed.result();
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

std::pair<int, int> MemorySurface::selectedParagraphs() const {
    return SurfaceRules::selectedParagraphs(
        sel_, [this](long position) { return doc_.paragraphAt(doc_.snapDown(position)); });
}

ParaFormat MemorySurface::getParaFormatSelection() const {
    const auto [first, last] = selectedParagraphs();
    MixedFormat<ParaFormat> mixed(paramask::All);
    for (int i = first; i <= last; ++i) {
        mixed.add(static_cast<uint64_t>(i), [this, i] { return doc_.paraFormat(i); });
    }
    return mixed.result();
}

void MemorySurface::setParaFormat(const ParaFormat& format) {
    // A change of the text's formats: what was undone no longer fits it.
    redo_.clear();
    const auto [first, last] = selectedParagraphs();
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
        replaceSelRich(*clipboard_->rich());
    } else if (clipboard_->plain()) {
        const std::string_view plain = *clipboard_->plain();
        const long room = SurfaceRules::room(doc_.length(), sel_.length(), textLimit_);
        const long fitting = SurfaceRules::fittingLength(plain, std::max(0L, room));
        if (fitting > 0) {
            replaceSel(plain.substr(0, static_cast<std::size_t>(fitting)), true);
        }
    }
}

RichText MemorySurface::getClipboardText(const FontDescription& plainFormat) const {
    if (clipboard_->rich()) {
        return *clipboard_->rich();
    }
    const std::optional<std::string>& plain = clipboard_->plain();
    return SurfaceRules::plainPaste(plain ? std::string_view(*plain) : std::string_view(),
                                    plainFormat, doc_.paraFormat(doc_.paragraphAt(sel_.start)));
}

void MemorySurface::copy() {
    if (sel_.empty()) {
        return;
    }
    clipboard_->setRich(doc_.slice(sel_.start, sel_.end), getSelText());
}

void MemorySurface::undo() {
    revert(undo_, redo_);
}

void MemorySurface::redo() {
    revert(redo_, undo_);
}

void MemorySurface::revert(std::vector<UndoStep>& from, std::vector<UndoStep>& to) {
    if (from.empty()) {
        return;
    }
    UndoStep step = std::move(from.back());
    from.pop_back();
    RichText replaced = doc_.slice(step.start, step.start + step.insertedLength);
    const long n = doc_.replace(step.start, step.start + step.insertedLength, step.removed);
    to.push_back(UndoStep{step.start, n, std::move(replaced)});
    sel_ = {step.start, step.start + n};
    modified_ = true;
}

}  // namespace sorvel
