#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <random>

#include "qt/LazyDocumentLayout.h"
#include "qt/QtRichText.h"

// The lazy layout against Qt's own, which it must match pixel for pixel: the
// same documents, edited the same way, are laid out by both and compared by
// what they draw, where they put each paragraph, what a point hits and how
// large the document is.

namespace sorvel {
namespace {

// A document of `paragraphs` paragraphs in mixed faces, sizes and effects,
// aligned and indented every way the editor can, some bulleted, some empty,
// with words longer than a line and Pali letters.
RichText randomText(unsigned seed, int paragraphs) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* faces[] = {"DejaVu Sans", "DejaVu Serif", "VriRomanPali CN", "Times_CSX+"};
    RichText text(RichText::standardFormat());
    for (int p = 0; p < paragraphs; ++p) {
        const int runs = pick(4);
        for (int r = 0; r < runs; ++r) {
            FontDescription f = RichText::standardFormat();
            f.faceName = faces[pick(4)];
            f.height = 160 + 40 * pick(8);
            f.effects = static_cast<uint16_t>(
                (pick(2) ? chareffect::Bold : 0) | (pick(3) == 0 ? chareffect::Italic : 0) |
                (pick(5) == 0 ? chareffect::Underline : 0) | chareffect::AutoColor);
            f.offset = pick(8) == 0 ? 60 : 0;
            std::string words;
            const int count = 1 + pick(40);
            for (int w = 0; w < count; ++w) {
                const int length = pick(12) == 0 ? 40 + pick(60) : 1 + pick(9);
                for (int c = 0; c < length; ++c) {
                    words += pick(6) == 0 ? static_cast<char>(0xC0 + pick(60))
                                          : static_cast<char>('a' + pick(26));
                }
                words += pick(10) == 0 ? '\t' : ' ';
            }
            text.append(words, f);
        }
        ParaFormat para;
        para.mask = paramask::All;
        para.alignment = static_cast<uint16_t>(pick(3) == 0 ? pick(3) : 0);
        para.startIndent = pick(3) == 0 ? 360 * pick(4) : 0;
        para.offset = pick(3) == 0 ? 360 * (pick(3) - 1) : 0;
        para.numbering = pick(5) == 0 ? numbering::Bullet : numbering::None;
        if (p + 1 < paragraphs) {
            text.appendBreak(RichText::standardFormat(), para);
        }
    }
    return text;
}

struct Pair {
    QTextDocument qt;    // laid out by Qt's own layout
    QTextDocument lazy;  // by ours

    Pair(const RichText& text, qreal width) {
        lazy.setDocumentLayout(new LazyDocumentLayout(&lazy));
        QtRichText::load(qt, text);
        QtRichText::load(lazy, text);
        qt.setPageSize(QSizeF(width, -1));
        lazy.setPageSize(QSizeF(width, -1));
    }
    LazyDocumentLayout& layout() {
        return *static_cast<LazyDocumentLayout*>(lazy.documentLayout());
    }
    // Lets the background measuring finish.
    void settle() {
        while (!layout().measuredAll()) {
            QCoreApplication::processEvents();
        }
    }
};

// What `doc`'s layout draws of the band [y, y + height), with a cursor and a
// selection.
QImage drawn(QTextDocument& doc, int y, int width, int height, int cursor, int anchor) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(0, -y);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, y, width, height);
    context.cursorPosition = cursor;
    if (anchor != cursor) {
        QTextCursor selected(&doc);
        selected.setPosition(anchor);
        selected.setPosition(cursor, QTextCursor::KeepAnchor);
        QAbstractTextDocumentLayout::Selection s;
        s.cursor = selected;
        s.format.setBackground(Qt::darkBlue);
        s.format.setForeground(Qt::white);
        context.selections.append(s);
    }
    doc.documentLayout()->draw(&painter, context);
    return image;
}

// Both layouts agree on every paragraph's place, on the document's size, on
// what points hit, and draw the same pixels at the top, in the middle and at
// the end.
void expectSame(Pair& pair, unsigned seed, const char* when) {
    SCOPED_TRACE(testing::Message() << when << ", seed " << seed);
    pair.settle();
    QAbstractTextDocumentLayout* qt = pair.qt.documentLayout();
    QAbstractTextDocumentLayout* lazy = pair.lazy.documentLayout();
    // The size first: asking for a paragraph's place lays it out.
    const QSizeF size = qt->documentSize();
    ASSERT_EQ(size, lazy->documentSize());
    ASSERT_EQ(pair.qt.blockCount(), pair.lazy.blockCount());
    QTextBlock a = pair.qt.begin();
    QTextBlock b = pair.lazy.begin();
    for (; a.isValid(); a = a.next(), b = b.next()) {
        ASSERT_EQ(qt->blockBoundingRect(a), lazy->blockBoundingRect(b))
            << "paragraph " << a.blockNumber();
    }

    std::mt19937 rng(seed);
    const int width = static_cast<int>(size.width());
    const int length = pair.qt.characterCount() - 1;
    for (int y : {0, static_cast<int>(size.height()) / 2, static_cast<int>(size.height()) - 150}) {
        const int cursor = static_cast<int>(rng() % static_cast<unsigned>(length + 1));
        const int anchor = static_cast<int>(rng() % static_cast<unsigned>(length + 1));
        ASSERT_EQ(drawn(pair.qt, y, width, 150, cursor, anchor),
                  drawn(pair.lazy, y, width, 150, cursor, anchor))
            << "band at " << y;
    }
    for (int i = 0; i < 300; ++i) {
        const QPointF p(static_cast<qreal>(rng() % static_cast<unsigned>(width + 20)) - 10,
                        static_cast<qreal>(rng() % static_cast<unsigned>(size.height() + 40)) - 20);
        ASSERT_EQ(qt->hitTest(p, Qt::FuzzyHit), lazy->hitTest(p, Qt::FuzzyHit))
            << "at " << p.x() << "," << p.y();
        ASSERT_EQ(qt->hitTest(p, Qt::ExactHit), lazy->hitTest(p, Qt::ExactHit))
            << "at " << p.x() << "," << p.y();
    }
}

class LazyDocumentLayoutWidths : public testing::TestWithParam<int> {};

TEST_P(LazyDocumentLayoutWidths, LaysOutAsQtsOwnLayout) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        Pair pair(randomText(seed * 7 + GetParam(), 60), GetParam());
        expectSame(pair, seed, "opened");
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, LazyDocumentLayoutWidths, testing::Values(90, 300, 700));

// Paragraph spacing and line heights that the editor's own documents do
// not use but a document may bring.
TEST(LazyDocumentLayout, KeepsQtsSpacingAndLineHeights) {
    Pair pair(randomText(5, 30), 400);
    int i = 0;
    for (QTextDocument* doc : {&pair.qt, &pair.lazy}) {
        QTextBlock block = doc->begin();
        for (i = 0; block.isValid(); block = block.next(), ++i) {
            QTextBlockFormat f;
            f.setTopMargin(i % 3 * 5.5);
            f.setBottomMargin(i % 4 * 3.25);
            if (i % 5 == 1) {
                f.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
            } else if (i % 5 == 2) {
                f.setLineHeight(30, QTextBlockFormat::FixedHeight);
            } else if (i % 5 == 3) {
                f.setLineHeight(25, QTextBlockFormat::MinimumHeight);
            }
            QTextCursor(block).mergeBlockFormat(f);
        }
    }
    expectSame(pair, 5, "spaced");
}

// The same random edits on both documents: typing, new paragraphs,
// deletions across paragraphs, formats, undo.
TEST(LazyDocumentLayout, FollowsEditsAsQtsOwnLayout) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        Pair pair(randomText(seed, 40), 350);
        expectSame(pair, seed, "before editing");
        std::mt19937 rng(seed);
        for (int step = 0; step < 40; ++step) {
            const unsigned kind = rng() % 6;
            const int length = pair.qt.characterCount() - 1;
            const int at = static_cast<int>(rng() % static_cast<unsigned>(length + 1));
            const int to = std::min(length, at + static_cast<int>(rng() % 200));
            for (QTextDocument* doc : {&pair.qt, &pair.lazy}) {
                QTextCursor c(doc);
                c.setPosition(at);
                switch (kind) {
                    case 0:
                        c.insertText(QStringLiteral("kusala\u00e1 dhamma "));
                        break;
                    case 1:
                        c.insertBlock();
                        break;
                    case 2:
                    case 3: {
                        c.setPosition(to, QTextCursor::KeepAnchor);
                        c.removeSelectedText();
                        break;
                    }
                    case 4: {
                        c.setPosition(to, QTextCursor::KeepAnchor);
                        QTextCharFormat f;
                        f.setFontPointSize(9 + step % 17);
                        c.mergeCharFormat(f);
                        QTextBlockFormat b;
                        b.setAlignment(step % 2 ? Qt::AlignHCenter : Qt::AlignLeft);
                        b.setLeftMargin(step % 4 * 12);
                        b.setBottomMargin(step % 3 * 4);
                        c.mergeBlockFormat(b);
                        break;
                    }
                    default:
                        doc->undo();
                        break;
                }
            }
            if (step % 8 == 7) {
                expectSame(pair, seed * 100 + step, "after edits");
            }
        }
    }
}

// A view scrolled over a long document from top to bottom: the lines of
// only a few paragraphs are held at any time, and what it shows matches a
// view of the same document laid out by Qt.
TEST(LazyDocumentLayout, HoldsTheLinesOfFewParagraphsWhileScrolled) {
    const RichText text = randomText(11, 3000);
    Pair pair(text, 500);
    QTextEdit qtView;
    QTextEdit lazyView;
    qtView.setDocument(&pair.qt);
    lazyView.setDocument(&pair.lazy);
    for (QTextEdit* view : {&qtView, &lazyView}) {
        view->setReadOnly(true);  // no blinking cursor in the pictures
        view->resize(520, 400);
        view->show();
    }
    pair.settle();
    QCoreApplication::processEvents();
    ASSERT_EQ(qtView.verticalScrollBar()->maximum(), lazyView.verticalScrollBar()->maximum());
    const int end = qtView.verticalScrollBar()->maximum();
    const int page = lazyView.viewport()->height();
    for (int y = 0, step = 0; y < end + page; y += page, ++step) {
        qtView.verticalScrollBar()->setValue(y);
        lazyView.verticalScrollBar()->setValue(y);
        if (step % 25 == 0 || y + page >= end) {
            ASSERT_EQ(qtView.viewport()->grab().toImage(), lazyView.viewport()->grab().toImage())
                << "scrolled to " << y;
        } else {
            lazyView.viewport()->repaint();
        }
        int holding = 0;
        for (QTextBlock b = pair.lazy.begin(); b.isValid(); b = b.next()) {
            holding += b.layout()->lineCount() > 0 ? 1 : 0;
        }
        ASSERT_LE(holding, LazyDocumentLayout::kHeldParagraphs) << "scrolled to " << y;
        ASSERT_LE(pair.layout().heldParagraphs(),
                  LazyDocumentLayout::kHeldParagraphs + LazyDocumentLayout::kShownParagraphs)
            << "scrolled to " << y;
    }
}

// Text being composed by an input method shows in its paragraph, at the
// paragraph's start, in its middle and at its end, as with Qt's layout.
TEST(LazyDocumentLayout, ShowsTextBeingComposed) {
    Pair pair(randomText(3, 12), 400);
    QTextEdit qtView;
    QTextEdit lazyView;
    qtView.setDocument(&pair.qt);
    lazyView.setDocument(&pair.lazy);
    for (QTextEdit* view : {&qtView, &lazyView}) {
        view->setCursorWidth(0);  // no blinking caret in the pictures
        view->resize(420, 300);
        view->show();
    }
    pair.settle();
    const QTextBlock third = pair.qt.findBlockByNumber(2);
    for (int at : {third.position(), third.position() + third.length() / 2,
                   third.position() + third.length() - 1}) {
        for (QTextEdit* view : {&qtView, &lazyView}) {
            QTextCursor c = view->textCursor();
            c.setPosition(at);
            view->setTextCursor(c);
            QInputMethodEvent compose(QStringLiteral("\u1e45gha\u1e43 kusala"), {});
            QCoreApplication::sendEvent(view, &compose);
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(qtView.viewport()->grab().toImage(), lazyView.viewport()->grab().toImage())
            << "composing at " << at;
        for (QTextEdit* view : {&qtView, &lazyView}) {
            QInputMethodEvent done;
            QCoreApplication::sendEvent(view, &done);
        }
    }
}

// A screen with more paragraphs on it than are kept after an eviction keeps
// them all laid out, instead of laying them out again at every repaint.
TEST(LazyDocumentLayout, KeepsWhatIsOnTheScreenHoweverMuch) {
    FontDescription small = RichText::standardFormat();
    small.height = 160;
    RichText text(small);
    for (int i = 0; i < 2000; ++i) {
        text.append("anatta", small);
        text.appendBreak(small, ParaFormat{});
    }
    Pair pair(text, 300);
    QTextEdit view;
    view.setDocument(&pair.lazy);
    view.setReadOnly(true);
    view.resize(320, 4000);
    view.show();
    pair.settle();
    int onScreen = 0;
    for (QTextBlock b = pair.qt.begin(); b.isValid(); b = b.next()) {
        onScreen += pair.qt.documentLayout()->blockBoundingRect(b).top() < 4000 ? 1 : 0;
    }
    ASSERT_GT(onScreen, LazyDocumentLayout::kShownParagraphs / 2);
    // Two screens far apart: more than are kept, so the second evicts.
    for (int y : {0, 12000}) {
        view.verticalScrollBar()->setValue(y);
        view.viewport()->repaint();
    }
    EXPECT_GE(pair.layout().heldParagraphs(), onScreen);
}

}  // namespace
}  // namespace sorvel
