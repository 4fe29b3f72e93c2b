#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <ostream>
#include <string>

#include "qt/EightBitTextEdit.h"
#include "qt/QtSurface.h"
#include "qt/SelectionBar.h"

namespace sorvel::testing {
namespace {

// A shown text box with a surface to read it as the program does.
class EditFixture {
  public:
    EditFixture() : surface_(edit_) {
        edit_.resize(400, 300);
        edit_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&edit_));
    }
    EightBitTextEdit& edit() { return edit_; }
    QtSurface& surface() { return surface_; }

    // Just right of the caret at surface position `at`, in the viewport's
    // coordinates: the nearest character boundary is `at` itself.
    QPoint pointAt(long at) {
        QTextCursor c(edit_.document());
        c.setPosition(surface_.toQt(at));
        const QRect caret = edit_.cursorRect(c);
        return QPoint(caret.left() + 1, caret.center().y());
    }
    QWidget* bar() { return edit_.findChild<SelectionBar*>(); }
    // The height, in bar coordinates, of the display line holding `at`.
    int barY(long at) {
        const QPoint p = edit_.viewport()->mapToGlobal(pointAt(at));
        return bar()->mapFromGlobal(p).y();
    }

    void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, modifiers);
        QApplication::sendEvent(target, &event);
    }
    void drag(QWidget* target, QPoint from, QPoint to,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        mouse(target, QEvent::MouseMove, to, Qt::LeftButton, modifiers);
        mouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton, modifiers);
    }

  private:
    TransliterationState state_;
    EightBitTextEdit edit_{state_};
    QtSurface surface_;
};

struct WordCase {
    const char* name;
    std::string text;
    long from;
    long to;
    std::string selected;
    friend void PrintTo(const WordCase& c, std::ostream* os) { *os << c.name; }
};

class AutomaticWordSelection : public ::testing::TestWithParam<WordCase> {};

TEST_P(AutomaticWordSelection, SelectsWholeWordsOnceTheDragLeavesItsWord) {
    const WordCase& c = GetParam();
    EditFixture f;
    f.surface().setWindowText(c.text);
    f.drag(f.edit().viewport(), f.pointAt(c.from), f.pointAt(c.to));
    EXPECT_EQ(f.surface().getSelText(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, AutomaticWordSelection,
    ::testing::Values(
        WordCase{"InsideOneWordByCharacters", "alpha beta", 1, 3, "lp"},
        WordCase{"ForwardIntoTheNextWord", "alpha beta gamma", 2, 8, "alpha beta"},
        WordCase{"BackwardIntoThePreviousWord", "alpha beta gamma", 8, 2, "alpha beta"},
        WordCase{"PastTheWordButNotIntoTheNext", "alpha beta gamma", 2, 6, "alpha "},
        WordCase{"PaliFontLettersAreLetters", "ka\xA0\xB1 gha\xB9i", 1, 7, "ka\xA0\xB1 gha\xB9i"},
        WordCase{"PunctuationEndsAWord", "one,two", 1, 6, "one,two"},
        WordCase{"AcrossAParagraphBreak", "alpha\r\nbeta", 2, 9, "alpha\r\nbeta"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionBar, ClickSelectsTheLineWithItsBreakAndCtrlClickSelectsAll) {
    EditFixture f;
    f.surface().setWindowText("first\r\nsecond line\r\nthird");
    QWidget* bar = f.bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->width(), SelectionBar::kWidth);
    f.mouse(bar, QEvent::MouseButtonPress, QPoint(2, f.barY(9)), Qt::LeftButton);
    f.mouse(bar, QEvent::MouseButtonRelease, QPoint(2, f.barY(9)), Qt::NoButton);
    EXPECT_EQ(f.surface().getSelText(), "second line\r\n");
    // The last line has no break to take.
    f.mouse(bar, QEvent::MouseButtonPress, QPoint(2, f.barY(22)), Qt::LeftButton);
    f.mouse(bar, QEvent::MouseButtonRelease, QPoint(2, f.barY(22)), Qt::NoButton);
    EXPECT_EQ(f.surface().getSelText(), "third");
    f.mouse(bar, QEvent::MouseButtonPress, QPoint(2, f.barY(0)), Qt::LeftButton,
            Qt::ControlModifier);
    EXPECT_EQ(f.surface().getSelText(), "first\r\nsecond line\r\nthird");
}

TEST(SelectionBar, DragsAndShiftClicksSelectWholeLines) {
    EditFixture f;
    f.surface().setWindowText("one\r\ntwo\r\nthree\r\nfour");
    QWidget* bar = f.bar();
    f.drag(bar, QPoint(2, f.barY(6)), QPoint(2, f.barY(11)));
    EXPECT_EQ(f.surface().getSelText(), "two\r\nthree\r\n");
    f.drag(bar, QPoint(2, f.barY(11)), QPoint(2, f.barY(1)));
    EXPECT_EQ(f.surface().getSelText(), "one\r\ntwo\r\nthree\r\n");
    f.surface().setSel(6, 6);
    f.mouse(bar, QEvent::MouseButtonPress, QPoint(2, f.barY(18)), Qt::LeftButton,
            Qt::ShiftModifier);
    EXPECT_EQ(f.surface().getSelText(), "wo\r\nthree\r\nfour");
}

TEST(SelectionBar, ClickBesideAWrappedLineSelectsThatLineAndDoubleClickTheParagraph) {
    EditFixture f;
    std::string paragraph;
    for (int i = 0; i < 60; ++i) {
        paragraph += "word ";
    }
    f.surface().setWindowText(paragraph + "\r\nnext");
    const QTextBlock block = f.edit().document()->firstBlock();
    ASSERT_GT(block.layout()->lineCount(), 2);
    const QTextLine second = block.layout()->lineAt(1);
    const long secondStart = second.textStart();
    const int y = f.barY(secondStart + 1);
    f.mouse(f.bar(), QEvent::MouseButtonPress, QPoint(2, y), Qt::LeftButton);
    f.mouse(f.bar(), QEvent::MouseButtonRelease, QPoint(2, y), Qt::NoButton);
    EXPECT_EQ(f.surface().getSelText(), paragraph.substr(secondStart, second.textLength()));
    f.mouse(f.bar(), QEvent::MouseButtonDblClick, QPoint(2, y), Qt::LeftButton);
    EXPECT_EQ(f.surface().getSelText(), paragraph + "\r\n");
}

struct LimitCase {
    const char* name;
    long limit;
    std::string text;
    long selStart;
    long selEnd;
    Qt::Key key;  // typed, or Qt::Key_unknown to paste `pasted`
    std::string pasted;
    std::string expected;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }
};

class TextLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TextLimit, TypingAndPastingStopAtTheLimit) {
    const LimitCase& c = GetParam();
    EditFixture f;
    f.edit().setTextLimit(c.limit);
    f.surface().setWindowText(c.text);
    f.surface().setSel(c.selStart, c.selEnd);
    if (c.key != Qt::Key_unknown) {
        QTest::keyClick(&f.edit(), c.key);
    } else {
        auto* data = new QMimeData;
        data->setText(QString::fromLatin1(c.pasted.data(), c.pasted.size()));
        QGuiApplication::clipboard()->setMimeData(data);
        f.edit().pasteAs(QtClipboardData::As::PlainText);
    }
    EXPECT_EQ(f.surface().getWindowText(), c.expected);
    EXPECT_LE(f.surface().getTextLength(), c.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Inserts, TextLimit,
    ::testing::Values(
        LimitCase{"TypesUpToTheLimit", 4, "abc", 3, 3, Qt::Key_D, "", "abcd"},
        LimitCase{"RefusesAKeyAtTheLimit", 4, "abcd", 4, 4, Qt::Key_E, "", "abcd"},
        LimitCase{"TypesOverASelectionAtTheLimit", 4, "abcd", 1, 3, Qt::Key_X, "", "axd"},
        LimitCase{"RefusesABreakWithRoomForOne", 4, "abc", 3, 3, Qt::Key_Return, "", "abc"},
        LimitCase{"TakesABreakWithRoomForTwo", 5, "abc", 3, 3, Qt::Key_Return, "", "abc\r\n"},
        LimitCase{"CutsAPasteWhereTheLimitFalls", 6, "abc", 3, 3, Qt::Key_unknown, "wxyz",
                  "abcwxy"},
        LimitCase{"CutsAPasteBeforeABreakThatDoesNotFit", 5, "abc", 3, 3, Qt::Key_unknown, "w\nxy",
                  "abcw"},
        LimitCase{"PastesNothingAtTheLimit", 3, "abc", 3, 3, Qt::Key_unknown, "w", "abc"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLimit, TextSetByTheProgramIsNeverCut) {
    EditFixture f;
    f.edit().setTextLimit(3);
    f.surface().setWindowText("longer than three");
    EXPECT_EQ(f.surface().getWindowText(), "longer than three");
    EXPECT_EQ(f.edit().textLength(), 17);
    EXPECT_EQ(EightBitTextEdit::kDefaultTextLimit, 16'777'215);
}

}  // namespace
}  // namespace sorvel::testing
