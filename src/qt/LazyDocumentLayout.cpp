#include "qt/LazyDocumentLayout.h"

#include "qt/ParagraphPainter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimerEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace sorvel {

namespace {

using Fixed = std::int64_t;

// Qt's layout reckons in 64ths of a pixel and cuts a real to them, so these
// do the same: a pixel more or less would move every line below.
Fixed fixed(qreal r) {
    return static_cast<int>(r * qreal(64));
}
qreal real(Fixed f) {
    return static_cast<qreal>(f) / qreal(64);
}
Fixed roundedToPixel(Fixed f) {
    return (f + 32) & ~Fixed{63};
}

// The resolution that lengths in a document are given for.
int defaultDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) {
        return 96;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return qRound(screen->logicalDotsPerInchY());
    }
    return 100;
}

// Measuring in the background takes this long at a time, so typing and
// scrolling go on while a large document is measured.
constexpr qint64 kSliceMs = 4;

}  // namespace

LazyDocumentLayout::LazyDocumentLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document) {}

bool LazyDocumentLayout::measuredAll() const {
    return frontier_ >= static_cast<int>(height_.size());
}

LazyDocumentLayout::Frame LazyDocumentLayout::frame() const {
    const QTextDocument* doc = document();
    const QTextFrameFormat format = doc->rootFrame()->frameFormat();
    Frame f;
    f.defaultDpi = defaultDpi();
    const QPaintDevice* device = paintDevice();
    f.dpi = device ? device->logicalDpiY() : 0;
    auto toDevice = [&](qreal v) { return f.dpi ? v * f.dpi / qreal(f.defaultDpi) : v; };
    auto pixels = [&](qreal v) { return roundedToPixel(fixed(toDevice(v))); };
    const Fixed border = pixels(format.border());
    const Fixed padding = pixels(format.padding());
    f.leftMargin = pixels(format.leftMargin());
    f.rightMargin = pixels(format.rightMargin());
    f.top = pixels(format.topMargin()) + border + padding;
    f.bottom = pixels(format.bottomMargin()) + border + padding;
    const QTextLength width = format.width();
    qreal frameWidth = width.value(std::max<qreal>(0, doc->pageSize().width()));
    if (width.type() == QTextLength::FixedLength) {
        frameWidth = toDevice(frameWidth);
    }
    f.contentWidth = fixed(frameWidth) - 2 * (border + padding) - f.leftMargin - f.rightMargin;
    f.left = f.leftMargin + border + padding;
    f.right = f.left + f.contentWidth;
    return f;
}

LazyDocumentLayout::Fixed LazyDocumentLayout::spaceAbove(const QTextBlock& block, int number,
                                                         const Frame& f) const {
    if (number == 0 || !block.isVisible()) {
        return 0;
    }
    qreal margin =
        std::max(block.blockFormat().topMargin(), block.previous().blockFormat().bottomMargin());
    if (margin > 0) {
        margin *= f.scale();
    }
    return fixed(margin);
}

LazyDocumentLayout::Fixed LazyDocumentLayout::layOut(QTextLayout& tl, const QTextBlock& block,
                                                     const Frame& f) const {
    const QTextDocument* doc = document();
    const QTextBlockFormat format = block.blockFormat();
    const Qt::LayoutDirection dir = block.textDirection();
    const bool rtl = dir == Qt::RightToLeft;

    Fixed extra = 0;
    if (doc->defaultTextOption().flags() & QTextOption::AddSpaceForLineAndParagraphSeparators) {
        extra = fixed(QFontMetricsF(block.charFormat().font()).horizontalAdvance(QChar(0x21B5)));
    }
    Fixed indent = 0;
    {
        qreal levels = format.indent();
        if (const QTextObject* object = doc->objectForFormat(format)) {
            levels += object->format().toListFormat().indent();
        }
        if (!qIsNull(levels)) {
            indent = fixed(levels * f.scale() * doc->indentWidth());
        }
    }
    const Fixed leftMargin = fixed(format.leftMargin()) + (rtl ? extra : indent);
    const Fixed rightMargin = fixed(format.rightMargin()) + (rtl ? indent : extra);

    QTextOption option = doc->defaultTextOption();
    option.setTextDirection(dir);
    option.setTabs(format.tabPositions());
    Qt::Alignment align = doc->defaultTextOption().alignment();
    if (format.hasProperty(QTextFormat::BlockAlignment)) {
        align = format.alignment();
    }
    option.setAlignment(QStyle::visualAlignment(dir, align));
    if (format.nonBreakableLines() || doc->pageSize().width() < 0) {
        option.setWrapMode(QTextOption::ManualWrap);
    }
    tl.setTextOption(option);
    const bool wordOrAnywhere = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;

    const qreal scaling = f.scale();
    const Fixed l = f.left + leftMargin;
    const Fixed r = f.right - rightMargin;
    Fixed y = 0;
    Fixed bottom = 0;
    bool firstLine = true;
    tl.beginLayout();
    while (true) {
        QTextLine line = tl.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLeadingIncluded(true);
        Fixed left = std::max(f.left, l);
        Fixed right = std::min(f.right, r);
        if (firstLine) {
            const Fixed textIndent = fixed(format.textIndent());
            (rtl ? right : left) += rtl ? -textIndent : textIndent;
            firstLine = false;
        }
        line.setLineWidth(real(right - left));
        if (fixed(line.naturalTextWidth()) > right - left) {
            // A word longer than the line: Qt breaks it anywhere, at the
            // width of what would not fit, and the paragraph's later lines
            // at words only.
            line.setLineWidth(real(right - left));
            if (fixed(line.naturalTextWidth()) > right - left) {
                if (wordOrAnywhere) {
                    option.setWrapMode(QTextOption::WrapAnywhere);
                    tl.setTextOption(option);
                }
                line.setLineWidth(std::max<qreal>(line.naturalTextWidth(), real(right - left)));
                if (wordOrAnywhere) {
                    option.setWrapMode(QTextOption::WordWrap);
                    tl.setTextOption(option);
                }
            }
        }

        const qreal height = line.height();
        const qreal rawHeight = std::ceil(line.ascent() + line.descent() + line.leading());
        const Fixed lineHeight = fixed(format.lineHeight(rawHeight, scaling));
        const Fixed lineBottom = fixed(format.lineHeight(height, scaling));
        Fixed adjustment = 0;
        if (format.lineHeightType() == QTextBlockFormat::FixedHeight) {
            adjustment =
                fixed(line.ascent() + std::max<qreal>(line.leading(), 0)) - (lineHeight * 4) / 5;
        } else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight) {
            adjustment = fixed(height) - lineHeight;
        }
        line.setPosition(QPointF(real(left - f.left), real(y - adjustment)));
        bottom = y + lineBottom;
        y += lineHeight;
        widest_ = std::max(widest_, fixed(line.x() + line.naturalTextWidth()) + rightMargin);
    }
    tl.endLayout();
    return std::max(y, bottom);
}

LazyDocumentLayout::Fixed LazyDocumentLayout::estimate(const QTextBlock& block,
                                                       const Frame& f) const {
    const Fixed width = f.right - f.left;
    Fixed lines = 1;
    if (width > 0) {
        const qreal chars = block.length();
        lines = std::max<Fixed>(1, static_cast<Fixed>(std::ceil(chars * charWidth_ * 64 / width)));
    }
    return lines * lineHeight_;
}

void LazyDocumentLayout::measureInto(QTextLayout& layout, const QTextBlock& block, int number,
                                     const Frame& f) const {
    const Fixed height =
        block.isVisible() ? layOut(layout, block, f) + spaceAbove(block, number, f) : 0;
    if (height_[number] != height) {
        height_[number] = height;
        topsValid_ = std::min(topsValid_, number);
    }
    measured_[number] = 1;
    const int n = static_cast<int>(measured_.size());
    while (frontier_ < n && measured_[frontier_]) {
        ++frontier_;
    }
}

LazyDocumentLayout::Fixed LazyDocumentLayout::top(int number) const {
    while (topsValid_ < number) {
        tops_[topsValid_ + 1] = tops_[topsValid_] + height_[topsValid_];
        ++topsValid_;
    }
    return tops_[number];
}

int LazyDocumentLayout::blockAt(Fixed y) const {
    const int n = static_cast<int>(height_.size());
    top(n);
    const auto after = std::upper_bound(tops_.begin(), tops_.begin() + n, y);
    return std::clamp(static_cast<int>(after - tops_.begin()) - 1, 0, std::max(0, n - 1));
}

void LazyDocumentLayout::measureUntil(int through, Fixed downTo) const {
    const Frame f = frame();
    const int last = std::min(through, static_cast<int>(height_.size()) - 1);
    QTextBlock block = document()->findBlockByNumber(frontier_);
    while (frontier_ <= last && block.isValid() && f.top + top(frontier_) <= downTo) {
        const int at = frontier_;
        QTextLayout scratch(block);
        measureInto(scratch, block, at, f);
        block = frontier_ == at + 1 ? block.next() : document()->findBlockByNumber(frontier_);
    }
}

void LazyDocumentLayout::place(QTextLayout& layout, const QTextBlock& block, int number,
                               const Frame& f) const {
    const QPointF at(real(f.left), real(f.top + top(number) + spaceAbove(block, number, f)));
    if (layout.position() != at) {
        layout.setPosition(at);
    }
}

QTextLayout* LazyDocumentLayout::placed(const QTextBlock& block, int number, const Frame& f) const {
    measureUntil(number - 1);
    QTextLayout* tl = block.layout();
    if (tl->lineCount() == 0) {
        measureInto(*tl, block, number, f);
    }
    hold(block);
    place(*tl, block, number, f);
    return tl;
}

QTextLayout* LazyDocumentLayout::shown(const QTextBlock& block, int number, const Frame& f) const {
    const int position = block.position();
    for (const Held& h : held_) {
        if (h.position == position) {
            return placed(block, number, f);
        }
    }
    measureUntil(number - 1);
    ++clock_;
    auto entry = std::find_if(shown_.begin(), shown_.end(),
                              [&](const Shown& s) { return s.position == position; });
    if (entry == shown_.end()) {
        auto layout = std::make_unique<QTextLayout>(block);
        measureInto(*layout, block, number, f);
        shown_.push_back({position, std::move(layout), clock_});
        entry = shown_.end() - 1;
    }
    entry->used = clock_;
    place(*entry->layout, block, number, f);
    return entry->layout.get();
}

void LazyDocumentLayout::hold(const QTextBlock& block) const {
    const int position = block.position();
    ++clock_;
    for (Held& h : held_) {
        if (h.position == position) {
            h.used = clock_;
            return;
        }
    }
    held_.push_back({position, clock_});
}

void LazyDocumentLayout::releaseOld(int keep, std::uint64_t since) const {
    auto recentFirst = [](const auto& a, const auto& b) { return a.used > b.used; };
    if (static_cast<int>(shown_.size()) > kShownParagraphs) {
        std::sort(shown_.begin(), shown_.end(), recentFirst);
        // Never what is on the screen now, however much that is.
        const auto now = std::count_if(shown_.begin(), shown_.end(),
                                       [&](const Shown& s) { return s.used > since; });
        shown_.resize(std::max<std::size_t>(kShownParagraphs / 2, static_cast<std::size_t>(now)));
    }
    if (static_cast<int>(held_.size()) <= kHeldParagraphs) {
        return;
    }
    std::sort(held_.begin(), held_.end(), recentFirst);
    const QTextDocument* doc = document();
    const size_t kept = kHeldParagraphs / 2;
    std::vector<Held> still(held_.begin(), held_.begin() + kept);
    for (size_t i = kept; i < held_.size(); ++i) {
        QTextBlock block = doc->findBlock(held_[i].position);
        if (!block.isValid() || block.position() != held_[i].position) {
            continue;
        }
        if (block.contains(keep)) {
            still.push_back(held_[i]);
        } else {
            // The lines, and the glyphs that painting shaped.
            block.clearLayout();
            block.layout()->setText(QString());
        }
    }
    held_ = std::move(still);
}

void LazyDocumentLayout::reportSize() const {
    if (!sizeChanged_.isActive()) {
        sizeChanged_.start(0, const_cast<LazyDocumentLayout*>(this));
    }
}

void LazyDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    QTextDocument* doc = document();
    const int n = doc->blockCount();
    const int before = static_cast<int>(height_.size());
    const Frame f = frame();
    QTextBlock firstBlock = doc->begin();
    int first = 0;
    int last = n - 1;
    // Paragraphs from here on are new and count with an estimate.
    int fresh = 0;
    if (before == 0 || (from == 0 && charsAdded >= doc->characterCount())) {
        // All anew (a new text, another width): estimates from the default
        // font until each paragraph is measured.
        const QFontMetricsF metrics(doc->defaultFont());
        lineHeight_ = fixed(std::ceil(metrics.height()));
        charWidth_ = std::max<qreal>(1, metrics.averageCharWidth());
        height_.assign(n, 0);
        measured_.assign(n, 0);
        tops_.assign(n + 1, 0);
        topsValid_ = 0;
        frontier_ = 0;
        widest_ = 0;
        held_.clear();
        shown_.clear();
    } else {
        firstBlock = doc->findBlock(from);
        QTextBlock lastBlock = doc->findBlock(std::max(0, from + charsAdded - 1));
        if (!firstBlock.isValid()) {
            firstBlock = doc->lastBlock();
        }
        if (!lastBlock.isValid()) {
            lastBlock = doc->lastBlock();
        }
        first = firstBlock.blockNumber();
        last = std::max(first, lastBlock.blockNumber());
        const int now = last - first + 1;
        // The paragraphs that the changed ones replace. Those that stand in
        // their place keep their heights until measured again: typing
        // seldom changes a paragraph's height, and then nothing below moves.
        const int gone = std::clamp(now - (n - before), 0, before - first);
        fresh = first + std::min(now, gone);
        if (now > gone) {
            height_.insert(height_.begin() + fresh, now - gone, 0);
            measured_.insert(measured_.begin() + fresh, now - gone, 0);
        } else {
            height_.erase(height_.begin() + first + now, height_.begin() + first + gone);
            measured_.erase(measured_.begin() + first + now, measured_.begin() + first + gone);
        }
        if (now != gone) {
            topsValid_ = std::min(topsValid_, first);
        }
        std::fill(measured_.begin() + first, measured_.begin() + last + 1, 0);
        // The space above the next paragraph may follow the changed one's.
        if (last + 1 < n) {
            measured_[last + 1] = 0;
        }
        tops_.resize(n + 1);
        frontier_ = std::min(frontier_, first);

        // Paragraphs after the change move with it. A changed paragraph
        // keeps its own layout (cleared below), which may show text being
        // composed; a layout for the screen of it is out of date.
        const int changedFrom = firstBlock.position();
        const int changedTo = lastBlock.position() + lastBlock.length();
        for (Held& h : held_) {
            h.position = moved(h.position, from, charsRemoved, charsAdded);
        }
        std::erase_if(held_, [](const Held& h) { return h.position < 0; });
        for (Shown& s : shown_) {
            s.position = moved(s.position, from, charsRemoved, charsAdded);
        }
        std::erase_if(shown_, [&](const Shown& s) {
            return s.position < 0 || (s.position >= changedFrom && s.position < changedTo);
        });
    }
    QTextBlock b = firstBlock;
    for (int i = first; i <= last && b.isValid(); ++i, b = b.next()) {
        b.clearLayout();
        if (i >= fresh) {
            height_[i] = estimate(b, f);
        }
    }
    if (!measuredAll() && !measuring_.isActive()) {
        measuring_.start(0, this);
    }
    reportSize();
    emit update(QRectF(0, real(f.top + top(first)), qreal(INT_MAX), qreal(INT_MAX)));
}

int LazyDocumentLayout::moved(int position, int from, int removed, int added) {
    if (position > from + removed) {
        return position + added - removed;
    }
    // A paragraph that started in the removed text, or just after it, is
    // gone: the break before it went.
    return position > from ? -1 : position;
}

void LazyDocumentLayout::timerEvent(QTimerEvent* event) {
    if (event->timerId() == measuring_.timerId()) {
        QElapsedTimer clock;
        clock.start();
        const int n = static_cast<int>(height_.size());
        while (frontier_ < n && clock.elapsed() < kSliceMs) {
            measureUntil(frontier_ + 63);
        }
        if (measuredAll()) {
            measuring_.stop();
        }
        reportSize();
    } else if (event->timerId() == sizeChanged_.timerId()) {
        sizeChanged_.stop();
        const QSizeF size = documentSize();
        if (size != reported_) {
            reported_ = size;
            emit documentSizeChanged(size);
        }
    } else {
        QAbstractTextDocumentLayout::timerEvent(event);
    }
}

QSizeF LazyDocumentLayout::documentSize() const {
    const Frame f = frame();
    const int n = static_cast<int>(height_.size());
    const Fixed width = std::max(f.contentWidth, widest_) + (f.left - f.leftMargin) * 2 +
                        f.leftMargin + f.rightMargin;
    return QSizeF(real(width), real(f.top + top(n) + f.bottom));
}

QRectF LazyDocumentLayout::frameBoundingRect(QTextFrame* frame) const {
    if (frame != document()->rootFrame()) {
        return QRectF();
    }
    return QRectF(QPointF(0, 0), documentSize());
}

int LazyDocumentLayout::pageCount() const {
    return 1;
}

QRectF LazyDocumentLayout::blockBoundingRect(const QTextBlock& block) const {
    if (document()->pageSize().isNull() || !block.isValid() || !block.isVisible()) {
        return QRectF();
    }
    const QTextLayout* tl = placed(block, block.blockNumber(), frame());
    QRectF rect = tl->boundingRect();
    rect.moveTopLeft(tl->position());
    releaseOld(block.position(), clock_);
    return rect;
}

void LazyDocumentLayout::draw(QPainter* painter, const PaintContext& context) {
    const QTextDocument* doc = document();
    if (doc->pageSize().isNull() || height_.empty()) {
        return;
    }
    const Frame f = frame();
    const int n = static_cast<int>(height_.size());
    const bool clipped = context.clip.isValid();
    if (clipped) {
        measureUntil(n, fixed(context.clip.bottom()));
    } else {
        measureUntil(n);
    }
    const QSizeF size = documentSize();
    const QRectF frameClip =
        QRectF(QPointF(0, 0), size).adjusted(real(f.leftMargin), 0, -real(f.rightMargin), 0);
    const QRectF clip = clipped ? context.clip & frameClip : frameClip;

    const ParagraphPainter paragraphs(*doc, paintDevice(), cursorWidth_);
    const std::uint64_t painting = clock_;
    // The paragraph before the first one shown may still reach into it.
    const int first = clipped ? std::max(0, blockAt(fixed(context.clip.top()) - f.top) - 1) : 0;
    QTextBlock block = doc->findBlockByNumber(first);
    for (int number = first; number < n && block.isValid(); ++number, block = block.next()) {
        if (clipped && f.top + top(number) > fixed(context.clip.bottom())) {
            break;
        }
        if (block.isVisible()) {
            paragraphs.draw(painter, context, block, *shown(block, number, f), clip);
        }
    }
    releaseOld(context.cursorPosition, painting);
    reportSize();
}

int LazyDocumentLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
    const QTextDocument* doc = document();
    if (doc->pageSize().isNull() || height_.empty()) {
        return accuracy == Qt::ExactHit ? -1 : 0;
    }
    enum Hit { Before, After, Inside, Exact };
    const Frame f = frame();
    const Fixed y = fixed(point.y());
    measureUntil(static_cast<int>(height_.size()), y);
    const int n = static_cast<int>(height_.size());
    const int at = blockAt(y - f.top);
    // As Qt's layout: from the paragraph before the point, the first that
    // holds it, else the nearest position above or below.
    int first = std::max(0, at - 1);
    QTextBlock block = doc->findBlockByNumber(first);
    int position = block.position();
    Hit hit = Before;
    const QTextLayout* found = nullptr;
    for (int number = first; number < n && number <= at + 1 && block.isValid();
         ++number, block = block.next()) {
        if (!block.isVisible()) {
            continue;
        }
        const QTextLayout* tl = shown(block, number, f);
        QRectF rect = tl->boundingRect();
        rect.translate(tl->position());
        const qreal py = real(y);
        if (py < rect.top() - block.blockFormat().topMargin()) {
            if (block.position() < position) {
                position = block.position();
                hit = Before;
            }
            continue;
        }
        if (py > rect.bottom()) {
            const int end = block.position() + block.length();
            if (end > position) {
                position = end;
                hit = After;
            }
            continue;
        }
        const QPointF p = QPointF(real(fixed(point.x())), py) - tl->position();
        hit = Inside;
        int offset = 0;
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const QRectF lr = line.naturalTextRect();
            if (lr.top() > p.y()) {
                offset = std::min(offset, line.textStart());
            } else if (lr.bottom() <= p.y()) {
                offset = std::max(offset, line.textStart() + line.textLength());
            } else {
                if (lr.left() <= p.x() && lr.right() >= p.x()) {
                    hit = Exact;
                }
                offset = line.xToCursor(p.x(), accuracy == Qt::ExactHit
                                                   ? QTextLine::CursorOnCharacter
                                                   : QTextLine::CursorBetweenCharacters);
                break;
            }
        }
        position = block.position() + offset;
        found = tl;
        break;
    }
    if (accuracy == Qt::ExactHit && hit != Exact) {
        return -1;
    }
    int lastPosition = doc->rootFrame()->lastPosition();
    if (found && !found->preeditAreaText().isEmpty()) {
        lastPosition += static_cast<int>(found->preeditAreaText().size());
    }
    releaseOld(position, clock_);
    return std::clamp(position, 0, std::max(0, lastPosition));
}

}  // namespace sorvel
