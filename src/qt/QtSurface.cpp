#include "qt/QtSurface.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <algorithm>

#include "qt/EightBitTextEdit.h"
#include "qt/QtClipboardData.h"
#include "qt/QtFormats.h"
#include "qt/QtRichText.h"
#include "qt/QtText.h"
#include "text/MixedFormat.h"
#include "text/SurfaceRules.h"

namespace sorvel {

namespace {

// Short ranges are read character by character, which touches only the
// fragments they lie in; longer ones through a cursor.
constexpr int kShortRange = 64;
// A block up to this length is read whole for a short range inside it.
constexpr int kShortBlock = 1024;
// So many characters are read one by one rather than with their block.
constexpr int kFewCharacters = 4;

// The length of a block's text, without its break.
long textLength(const QTextBlock& block) {
    return block.length() - 1;
}

}  // namespace

QtSurface::QtSurface(QTextEdit& edit, std::function<void()> defaultHandler)
    : edit_(edit), default_(std::move(defaultHandler)) {}

QtSurface::~QtSurface() {
    QObject::disconnect(cacheWatch_);
}

QTextDocument& QtSurface::doc() const {
    return *edit_.document();
}

const QtSurface::BlockInfo& QtSurface::remember(const QTextBlock& block) const {
    QTextDocument* d = edit_.document();
    if (cache_.doc != d) {
        QObject::disconnect(cacheWatch_);
        cacheWatch_ = QObject::connect(
            d, &QTextDocument::contentsChange, &edit_,
            [this](int from, int removed, int added) { follow(from, removed, added); });
        cache_.doc = d;
        cache_.valid = {};
    }
    if (cache_.blockCount != d->blockCount()) {
        cache_.valid = {};
        cache_.blockCount = d->blockCount();
    }
    cache_.entries[1] = cache_.entries[0];
    cache_.valid[1] = cache_.valid[0];
    BlockInfo& info = cache_.entries[0];
    info.block = block;
    info.qtStart = block.position();
    info.number = block.blockNumber();
    info.length = block.length();
    info.last = !block.next().isValid();
    cache_.valid[0] = true;
    return info;
}

void QtSurface::follow(int from, int removed, int added) const {
    if (cache_.doc->blockCount() != cache_.blockCount) {
        cache_.valid = {};
        return;
    }
    // With the number of blocks unchanged, an edit that touches no break
    // moves the blocks after it and resizes the one it is in.
    for (std::size_t i = 0; i < cache_.entries.size(); ++i) {
        BlockInfo& info = cache_.entries[i];
        const int breakAt = info.qtStart + info.textLength();
        if (!cache_.valid[i]) {
            continue;
        }
        if (from >= info.qtStart && from + removed <= breakAt) {
            info.length += added - removed;
        } else if (from + removed < info.qtStart) {
            info.qtStart += added - removed;
        } else if (from <= breakAt) {
            cache_.valid[i] = false;
        }
    }
}

const QtSurface::BlockInfo* QtSurface::cachedAtQt(int qtPosition) const {
    if (cache_.doc != edit_.document()) {
        return nullptr;
    }
    for (std::size_t i = 0; i < cache_.entries.size(); ++i) {
        const BlockInfo& info = cache_.entries[i];
        if (cache_.valid[i] && qtPosition >= info.qtStart &&
            qtPosition < info.qtStart + info.length) {
            return &info;
        }
    }
    return nullptr;
}

const QtSurface::BlockInfo* QtSurface::cachedAt(long position) const {
    if (cache_.doc != edit_.document()) {
        return nullptr;
    }
    for (std::size_t i = 0; i < cache_.entries.size(); ++i) {
        const BlockInfo& info = cache_.entries[i];
        if (cache_.valid[i] && position >= info.start() &&
            (info.last || position < info.start() + info.surfaceLength())) {
            return &info;
        }
    }
    return nullptr;
}

const QtSurface::BlockInfo& QtSurface::blockAtQt(int qtPosition) const {
    if (const BlockInfo* info = cachedAtQt(qtPosition)) {
        return *info;
    }
    QTextBlock block = doc().findBlock(qtPosition);
    if (!block.isValid()) {
        block = doc().lastBlock();
    }
    return remember(block);
}

long QtSurface::getTextLength() const {
    // Every break but the document's implicit last one counts twice.
    return doc().characterCount() - 1 + doc().blockCount() - 1;
}

long QtSurface::toSurface(int qtPosition) const {
    return qtPosition + blockAtQt(qtPosition).number;
}

QtSurface::Place QtSurface::place(long position) const {
    const QTextDocument& d = doc();
    position = std::clamp(position, 0L, getTextLength());
    if (const BlockInfo* info = cachedAt(position)) {
        return Place{*info, position - info->start()};
    }
    const long qtLast = d.characterCount() - 1;
    // The number of the block that holds the Qt position q.
    auto blockAt = [&d, qtLast](long q) {
        return d.findBlock(static_cast<int>(std::clamp(q, 0L, qtLast))).blockNumber();
    };
    auto startOf = [&d](int number) { return d.findBlockByNumber(number).position() + number; };
    // The block sought, T, starts at its Qt position plus its number, at or
    // before `position`. Any bound b gives a better one on the other side:
    // from b >= T the block at Qt position (position - b) is at most T (or
    // one past it, when `position` is the LF of T's break), and from b <= T
    // the block at (position - b) is at least T. Each round narrows the
    // bounds by about a paragraph's length, so a few rounds find T; what is
    // left is searched by halves.
    int hi = blockAt(position);
    if (startOf(hi) <= position) {
        // The common case: the position lies in the block that holds that Qt
        // position (always so in the first paragraph and in the last).
        const BlockInfo& info = remember(d.findBlockByNumber(hi));
        return Place{info, position - info.start()};
    }
    int lo = std::min(hi, blockAt(position - hi));
    for (int round = 0; round < 3 && lo < hi; ++round) {
        hi = std::max(lo, std::min(hi, blockAt(position - lo)));
        lo = std::min(hi, std::max(lo, blockAt(position - hi)));
    }
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (startOf(mid) <= position) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    const BlockInfo& info = remember(d.findBlockByNumber(lo));
    return Place{info, position - info.start()};
}

int QtSurface::toQt(long position, bool up) const {
    const Place p = place(position);
    if (p.offset <= p.info.textLength()) {
        return static_cast<int>(p.info.qtStart + p.offset);
    }
    // Between the CR and the LF of the block's break.
    return up ? p.info.qtStart + p.info.length : p.info.qtStart + p.info.textLength();
}

Selection QtSurface::getSel() const {
    const QTextCursor c = edit_.textCursor();
    const long start = toSurface(c.selectionStart());
    return Selection{start, c.hasSelection() ? toSurface(c.selectionEnd()) : start};
}

void QtSurface::setSel(long start, long end) {
    const Selection range = SurfaceRules::selectionRange(start, end, getTextLength());
    const int qs = toQt(range.start, false);
    const int qe = range.empty() ? qs : toQt(range.end, true);
    QTextCursor c = edit_.textCursor();
    if (c.selectionStart() == qs && c.selectionEnd() == qe) {
        return;  // an unchanged caret keeps the format set at it
    }
    c.setPosition(qs);
    c.setPosition(qe, QTextCursor::KeepAnchor);
    edit_.setTextCursor(c);
}

void QtSurface::appendQtRange(std::string& out, int from, int to) const {
    if (to - from > kShortRange) {
        QTextCursor c(&doc());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        QtText::appendBytes(out, c.selectedText());
        return;
    }
    // Block by block: the breaks are known without reading them, and a few
    // characters are read one by one.
    while (from < to) {
        const BlockInfo& info = blockAtQt(from);
        const int textEnd = info.qtStart + info.textLength();
        const int pieceEnd = std::min(to, textEnd);
        if (pieceEnd - from <= kFewCharacters || info.length > kShortBlock) {
            for (int i = from; i < pieceEnd; ++i) {
                const QChar c = doc().characterAt(i);
                QtText::appendBytes(out, QStringView(&c, 1));
            }
        } else if (pieceEnd > from) {
            const QString text = info.block.text();
            QtText::appendBytes(out, QStringView(text).mid(from - info.qtStart, pieceEnd - from));
        }
        if (pieceEnd == to) {
            break;
        }
        out += "\r\n";
        from = textEnd + 1;
    }
}

std::string QtSurface::getSelText() const {
    const QTextCursor c = edit_.textCursor();
    std::string out;
    appendQtRange(out, c.selectionStart(), c.selectionEnd());
    return out;
}

std::string QtSurface::getWindowText() const {
    std::string out;
    appendQtRange(out, 0, doc().characterCount() - 1);
    return out;
}

std::string QtSurface::getTextRange(long start, long end) const {
    const Selection range = SurfaceRules::textRange(start, end, getTextLength());
    const long a = range.start;
    const long b = range.end;
    if (a == b) {
        return {};
    }
    std::string out;
    const Place pa = place(a);
    // A short range mostly ends in the block it starts in.
    const bool sameBlock = pa.info.last || b < pa.info.start() + pa.info.surfaceLength();
    const Place pb = sameBlock ? Place{pa.info, b - pa.info.start()} : place(b);
    int qa = static_cast<int>(pa.info.qtStart + pa.offset);
    if (pa.offset > pa.info.textLength()) {
        out += '\n';  // the range starts at the LF of a break
        qa = pa.info.qtStart + pa.info.length;
    }
    int qb = static_cast<int>(pb.info.qtStart + pb.offset);
    const bool endsAtLf = pb.offset > pb.info.textLength();
    if (endsAtLf) {
        qb = pb.info.qtStart + pb.info.textLength();
    }
    appendQtRange(out, qa, qb);
    if (endsAtLf) {
        out += '\r';  // the range ends between the CR and the LF
    }
    return out;
}

RichText QtSurface::getRichTextRange(long start, long end) const {
    const Selection range = SurfaceRules::richRange(start, end, getTextLength());
    // A range that ends between the CR and the LF of a break takes the break.
    const int qa = toQt(range.start);
    return QtRichText::read(doc(), qa, std::max(qa, toQt(range.end, true)));
}

QTextCharFormat QtSurface::charFormatAt(int qtPosition) const {
    const QTextBlock block = doc().findBlock(qtPosition);
    if (qtPosition >= block.position() + textLength(block)) {
        // A break carries the character format of the block it opens.
        const QTextBlock next = block.next();
        return next.isValid() ? next.charFormat() : block.charFormat();
    }
    QTextCursor c(&doc());
    c.setPosition(qtPosition + 1);
    return c.charFormat();
}

FontDescription QtSurface::describe(const QTextCharFormat& format) const {
    return QtFormats::describe(format, doc().defaultFont());
}

void QtSurface::replace(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    if (!text.empty()) {
        cursor.insertText(QtText::fromBytes(text), format);
    }
    cursor.endEditBlock();
}

void QtSurface::forgetUndo() {
    // Qt cannot keep a history across an edit it did not record: undoing past
    // it would act on text that no longer matches. So the history goes.
    doc().clearUndoRedoStacks();
}

void QtSurface::replaceSel(std::string_view text, bool undoable) {
    QTextCursor c = edit_.textCursor();
    if (SurfaceRules::replacesNothing(!c.hasSelection(), text.empty())) {
        return;
    }
    const QTextCharFormat format =
        c.hasSelection() ? charFormatAt(c.selectionStart()) : c.charFormat();
    replace(c, text, format);
    edit_.setTextCursor(c);
    if (!undoable) {
        forgetUndo();
    }
    doc().setModified(true);
}

void QtSurface::replaceSelRich(const RichText& text) {
    RichText piece = text;
    // Like a paste, it stops at the text box's limit: cut where the limit
    // falls, never inside a break.
    if (const auto* box = qobject_cast<const EightBitTextEdit*>(&edit_)) {
        const long room = box->room();
        if (piece.length() > room) {
            if (room <= 0) {
                QApplication::beep();
                return;
            }
            piece = piece.slice(0, piece.snapDown(room));
        }
    }
    QTextCursor c = edit_.textCursor();
    if (SurfaceRules::replacesNothing(!c.hasSelection(), piece.empty())) {
        return;
    }
    // Qt gives the paragraphs that a deletion joins the format of the first;
    // here, as everywhere in the text, the paragraph whose break survives
    // keeps its format: the one that holds the selection's end.
    const QTextBlock endBlock = doc().findBlock(c.selectionEnd());
    const bool joins = endBlock != doc().findBlock(c.selectionStart());
    const ParaFormat survivor = QtFormats::describe(endBlock);
    c.beginEditBlock();
    c.removeSelectedText();
    if (joins) {
        QtFormats::formatBlock(c, survivor);
    }
    QtRichText::insert(c, piece);
    c.endEditBlock();
    edit_.setTextCursor(c);
    doc().setModified(true);
}

long QtSurface::getLimitText() const {
    if (const auto* box = qobject_cast<const EightBitTextEdit*>(&edit_)) {
        return box->textLimit();
    }
    return SurfaceRules::kTextLimit;
}

void QtSurface::setWindowText(std::string_view text) {
    QTextCursor c(&doc());
    const QTextCharFormat format =
        doc().isEmpty() ? edit_.textCursor().charFormat() : charFormatAt(0);
    c.select(QTextCursor::Document);
    replace(c, text, format);
    forgetUndo();
    edit_.setTextCursor(QTextCursor(&doc()));
    doc().setModified(true);
}

FontDescription QtSurface::getCharFormatSelection() const {
    const QTextCursor c = edit_.textCursor();
    if (!c.hasSelection()) {
        FontDescription f = describe(c.charFormat());
        f.mask = charmask::All;
        return f;
    }
    const int qs = c.selectionStart();
    const int qe = c.selectionEnd();
    // Walk the fragments that overlap the selection; breaks are not fragments
    // of a block, so they take no part unless nothing else is selected.
    MixedFormat<FontDescription> mixed(charmask::All);
    for (QTextBlock block = doc().findBlock(qs); block.isValid() && block.position() < qe;
         block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int fs = fragment.position();
            if (fs + fragment.length() <= qs) {
                continue;
            }
            if (fs >= qe) {
                break;
            }
            mixed.add(static_cast<uint64_t>(fragment.charFormatIndex()),
                      [this, &fragment] { return describe(fragment.charFormat()); });
        }
    }
    return mixed.empty() ? mixed.result(describe(charFormatAt(qs))) : mixed.result();
}

void QtSurface::setCharFormat(const FontDescription& format) {
    // A merge: over a selection setCurrentCharFormat would replace every
    // property, not only the masked ones.
    edit_.mergeCurrentCharFormat(QtFormats::charFormat(format));
}

std::pair<int, int> QtSurface::selectedParagraphs() const {
    return SurfaceRules::selectedParagraphs(
        getSel(), [this](long position) { return doc().findBlock(toQt(position)).blockNumber(); });
}

ParaFormat QtSurface::getParaFormatSelection() const {
    const auto [first, last] = selectedParagraphs();
    MixedFormat<ParaFormat> mixed(paramask::All);
    for (QTextBlock b = doc().findBlockByNumber(first); b.isValid() && b.blockNumber() <= last;
         b = b.next()) {
        mixed.add(static_cast<uint64_t>(b.blockNumber()), [&b] { return QtFormats::describe(b); });
    }
    return mixed.result();
}

void QtSurface::setParaFormat(const ParaFormat& format) {
    const auto [firstNumber, lastNumber] = selectedParagraphs();
    QTextCursor c(&doc());
    c.beginEditBlock();
    for (int n = firstNumber; n <= lastNumber; ++n) {
        const QTextBlock block = doc().findBlockByNumber(n);
        ParaFormat p = QtFormats::describe(block);
        p.merge(format);
        c.setPosition(block.position());
        QtFormats::formatBlock(c, p);
    }
    c.endEditBlock();
    doc().setModified(true);
}

void QtSurface::clear() {
    QTextCursor c = edit_.textCursor();
    if (!c.hasSelection()) {
        return;
    }
    c.removeSelectedText();
    edit_.setTextCursor(c);
}

bool QtSurface::canPaste() const {
    return edit_.canPaste();
}

void QtSurface::paste() {
    edit_.paste();
}

RichText QtSurface::getClipboardText(const FontDescription& plainFormat) const {
    QtClipboardData::Insert in;
    if (const auto* box = qobject_cast<const EightBitTextEdit*>(&edit_)) {
        in = box->clipboardInsert(plainFormat);
    } else if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        in = QtClipboardData::toInsert(data, plainFormat, TransliterationState{});
    }
    if (in.fragment) {
        QTextDocument piece;
        QTextCursor c(&piece);
        c.insertFragment(*in.fragment);
        return QtRichText::read(piece);
    }
    return SurfaceRules::plainPaste(
        QtText::toBytes(in.text), plainFormat,
        QtFormats::describe(doc().findBlock(edit_.textCursor().selectionStart())));
}

void QtSurface::copy() {
    edit_.copy();
}

bool QtSurface::canUndo() const {
    return doc().isUndoAvailable();
}

void QtSurface::undo() {
    edit_.undo();
}

bool QtSurface::canRedo() const {
    return doc().isRedoAvailable();
}

void QtSurface::redo() {
    edit_.redo();
}

bool QtSurface::getModify() const {
    return doc().isModified();
}

void QtSurface::setModify(bool modified) {
    doc().setModified(modified);
}

void QtSurface::setBackgroundColor(uint32_t color) {
    background_ = color;
    QPalette palette = edit_.palette();
    palette.setColor(QPalette::Base,
                     QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                            static_cast<int>((color >> 16) & 0xFF)));
    edit_.setPalette(palette);
}

void QtSurface::callDefault() {
    if (default_) {
        default_();
    }
}

}  // namespace sorvel
