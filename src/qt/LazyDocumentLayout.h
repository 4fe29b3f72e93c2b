#pragma once

#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>
#include <QSizeF>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

class QTextLayout;

namespace sorvel {

// Lays a document out for the editor as Qt's own document layout does, line
// for line and pixel for pixel, but holds the lines of only a few
// paragraphs: those on the screen lately, in layouts of its own that it
// deletes when they have not been shown for a while, and those the caret
// has lately been in, whose lines Qt's text cursor reads from the
// paragraph's own layout. Of every other paragraph it keeps its height
// alone. Qt's layout keeps the lines of every paragraph for good, and the
// shaped glyphs of every paragraph it has shown, which for a large document
// costs more memory than its text.
//
// Heights are measured from the top, in the background and whenever
// something below the measured part is shown or asked for, so everything
// above what is shown is exact and the scroll bar settles as the
// measurement goes on; a paragraph not yet measured counts with a height
// estimated from its length.
//
// Paragraphs flow one under the other in the root frame; tables and other
// frames are not laid out (the editor's documents have none).
class LazyDocumentLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
    // Set by the text edit, as on Qt's layout.
    Q_PROPERTY(int cursorWidth READ cursorWidth WRITE setCursorWidth)

  public:
    // How many paragraphs laid out for the screen are kept at most.
    static constexpr int kShownParagraphs = 400;
    // How many paragraphs' own layouts keep their lines at most.
    static constexpr int kHeldParagraphs = 64;

    explicit LazyDocumentLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override;
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    int cursorWidth() const { return cursorWidth_; }
    void setCursorWidth(int width) { cursorWidth_ = width; }

    // How many paragraphs hold their lines now.
    int heldParagraphs() const { return static_cast<int>(held_.size() + shown_.size()); }
    // Whether every paragraph's height has been measured.
    bool measuredAll() const;

  protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    // Lengths in 64ths of a pixel, rounded as Qt's layout rounds them.
    using Fixed = std::int64_t;

    // The root frame's geometry and what every paragraph's layout shares.
    struct Frame {
        Fixed left = 0;          // where paragraphs start
        Fixed right = 0;         // where they end
        Fixed top = 0;           // above the first paragraph
        Fixed bottom = 0;        // below the last
        Fixed leftMargin = 0;    // the frame's own margins, without border
        Fixed rightMargin = 0;   // and padding
        Fixed contentWidth = 0;  // right - left, as the frame reckons it
        int dpi = 0;             // the paint device's, or none
        int defaultDpi = 96;     // what Qt's lengths are given in

        // Device pixels per pixel of the document's lengths.
        qreal scale() const { return dpi ? qreal(dpi) / qreal(defaultDpi) : qreal(1); }
    };

    // A paragraph whose own layout holds lines, by its first position, and
    // when it was last used.
    struct Held {
        int position = 0;
        std::uint64_t used = 0;
    };
    // A paragraph laid out for the screen.
    struct Shown {
        int position = 0;
        std::unique_ptr<QTextLayout> layout;
        std::uint64_t used = 0;
    };

    Frame frame() const;
    // The space above paragraph `block` (number `number`) before its text.
    Fixed spaceAbove(const QTextBlock& block, int number, const Frame& f) const;
    // Lays `block` out into `layout`, its lines placed relative to the
    // paragraph's top; returns the height of its lines.
    Fixed layOut(QTextLayout& layout, const QTextBlock& block, const Frame& f) const;
    // Lays paragraph `number` out into `layout` and takes its height in the
    // flow as measured.
    void measureInto(QTextLayout& layout, const QTextBlock& block, int number,
                     const Frame& f) const;
    // Puts `layout` of paragraph `number` where the flow has it.
    void place(QTextLayout& layout, const QTextBlock& block, int number, const Frame& f) const;
    // The paragraph's own layout, laid out and in place.
    QTextLayout* placed(const QTextBlock& block, int number, const Frame& f) const;
    // A layout of the paragraph to paint and hit, in place: its own when
    // the caret has been in it (it may show text being composed), else
    // one kept for the screen.
    QTextLayout* shown(const QTextBlock& block, int number, const Frame& f) const;
    // Measures the paragraphs not yet measured, from the first, up to
    // paragraph `through` and as long as they start at or above `downTo`.
    void measureUntil(int through, Fixed downTo = std::numeric_limits<Fixed>::max()) const;
    // Where paragraph `number` starts in the flow (above its space).
    Fixed top(int number) const;
    // The last paragraph that starts at or above `y`.
    int blockAt(Fixed y) const;
    Fixed estimate(const QTextBlock& block, const Frame& f) const;
    void hold(const QTextBlock& block) const;
    // Lets go of the lines of the paragraphs used longest ago, keeping the
    // one at `keep` and those laid out for the screen after `since`.
    void releaseOld(int keep, std::uint64_t since) const;
    // Where a paragraph that started at `position` starts after a change at
    // `from`, where `removed` characters gave way to `added`; -1 when it is
    // gone.
    static int moved(int position, int from, int removed, int added);
    void reportSize() const;

    int cursorWidth_ = 1;
    // All below is laid out on demand: Qt asks for places and hits through
    // const functions.
    // Per paragraph: its height in the flow, measured or estimated.
    mutable std::vector<Fixed> height_;
    mutable std::vector<std::uint8_t> measured_;
    // Where each paragraph starts; right up to `topsValid_`.
    mutable std::vector<Fixed> tops_{0};
    mutable int topsValid_ = 0;
    // Every paragraph before this one is measured.
    mutable int frontier_ = 0;
    mutable Fixed widest_ = 0;
    mutable std::vector<Held> held_;
    mutable std::vector<Shown> shown_;
    mutable std::uint64_t clock_ = 0;
    mutable QSizeF reported_;
    mutable QBasicTimer measuring_;
    mutable QBasicTimer sizeChanged_;
    // For estimates: a line's height and a character's width.
    Fixed lineHeight_ = 0;
    qreal charWidth_ = 1;
};

}  // namespace sorvel
