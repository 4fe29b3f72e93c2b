#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>

#include "app/EditorView.h"
#include "pali/PaliLetters.h"
#include "support/ScriptedPlatform.h"

namespace sorvel::testing {
namespace {

constexpr char kUnderdotD = '\xB9';  // in VriRomanPali

FontDescription faceOnly(std::string_view name) {
    FontDescription f;
    f.mask = charmask::Face;
    f.faceName = name;
    return f;
}

// A document window's view, shown, with Pali entry on and the caret in
// "VriRomanPali CN".
class ViewTyping : public ::testing::Test {
  protected:
    void SetUp() override {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        state.paliEntryOn = true;
        view.surface().setCharFormat(faceOnly("VriRomanPali CN"));
    }

    std::string text() { return view.surface().getWindowText(); }

    // Sends a key event as the window system does, auto-repeat flag included.
    void send(QEvent::Type type, Qt::Key key, const QString& text, bool autoRepeat,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(&view, &event);
    }

    ScriptedPlatform platform;
    TransliterationState state;
    EditorView view{platform, state};
};

TEST_F(ViewTyping, DotDBecomesUnderdotDWhenTheDIsReleased) {
    QTest::keyClick(&view, Qt::Key_Period);
    QTest::keyPress(&view, Qt::Key_D);
    EXPECT_EQ(text(), ".d") << "nothing happens before the release";
    QTest::keyRelease(&view, Qt::Key_D);
    EXPECT_EQ(text(), std::string(1, kUnderdotD));
    EXPECT_EQ(view.surface().getSel(), (Selection{1, 1}));
    EXPECT_EQ(platform.cursorCount(), 0) << "every hide of the pointer has its show";
    EXPECT_GE(platform.cursorHides(), 1);
}

TEST_F(ViewTyping, ThreeDsBecomeUnderdotDAtTheThirdRelease) {
    QTest::keyClicks(&view, "dd");
    EXPECT_EQ(text(), "dd");
    QTest::keyClick(&view, Qt::Key_D);
    EXPECT_EQ(text(), std::string(1, kUnderdotD));
}

TEST_F(ViewTyping, AHeldKeyIsLookedAtOnceWhenItComesUp) {
    send(QEvent::KeyPress, Qt::Key_D, "d", false);
    for (int i = 0; i < 4; ++i) {
        send(QEvent::KeyRelease, Qt::Key_D, "d", true);
        send(QEvent::KeyPress, Qt::Key_D, "d", true);
    }
    EXPECT_EQ(text(), "ddddd");
    EXPECT_EQ(platform.cursorHides(), 0) << "no pass ran on a repeat";
    send(QEvent::KeyRelease, Qt::Key_D, "d", false);
    EXPECT_EQ(text(), std::string("dd") + kUnderdotD);
}

TEST_F(ViewTyping, AnArrowKeyThatStopsAfterACodeReplacesIt) {
    state.paliEntryOn = false;
    QTest::keyClicks(&view, "aax");
    state.paliEntryOn = true;
    QTest::keyClick(&view, Qt::Key_Left);
    const char longA = static_cast<char>(fontCharacter(1, PaliFontKind::VriRomanPali));
    EXPECT_EQ(text(), std::string(1, longA) + "x");
    EXPECT_EQ(view.surface().getSel(), (Selection{1, 1}));
}

TEST_F(ViewTyping, ReleasingShiftAloneRunsThePassToo) {
    state.paliEntryOn = false;
    QTest::keyClicks(&view, "uu");
    state.paliEntryOn = true;
    QTest::keyClick(&view, Qt::Key_Shift);
    EXPECT_EQ(text(),
              std::string(1, static_cast<char>(fontCharacter(5, PaliFontKind::VriRomanPali))));
}

TEST_F(ViewTyping, NothingIsReplacedWhileTextIsSelected) {
    state.paliEntryOn = false;
    QTest::keyClicks(&view, "aax");
    state.paliEntryOn = true;
    QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(text(), "aax");
    EXPECT_EQ(view.surface().getSel(), (Selection{2, 3}));
}

TEST_F(ViewTyping, APlainFontIsNotTransliterated) {
    view.surface().setCharFormat(faceOnly("Times New Roman"));
    QTest::keyClicks(&view, "aa.d");
    EXPECT_EQ(text(), "aa.d");
}

TEST_F(ViewTyping, ShiftEnterMakesAParagraphBreak) {
    state.paliEntryOn = false;
    QTest::keyClick(&view, Qt::Key_A);
    QTest::keyClick(&view, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_B);
    EXPECT_EQ(text(), "a\r\nb");
    EXPECT_EQ(view.surface().getTextLength(), 4);
}

struct TypedCase {
    const char* name;
    const char* face;
    QString typed;
    std::string expected;
    friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }
};

class TypedCharacters : public ViewTyping, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCharacters, BecomeBytesOfTheDocument) {
    const TypedCase& c = GetParam();
    state.paliEntryOn = false;
    view.surface().setCharFormat(faceOnly(c.face));
    send(QEvent::KeyPress, Qt::Key_unknown, c.typed, false);
    send(QEvent::KeyRelease, Qt::Key_unknown, c.typed, false);
    EXPECT_EQ(text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedCharacters,
    ::testing::Values(
        TypedCase{"EuroSignIsByte128", "Arial", QString(QChar(0x20AC)), "\x80"},
        TypedCase{"NoBreakSpaceStays", "Times_Norman", QString(QChar(0xA0)), "\xA0"},
        TypedCase{"OutsideTheCodePageIsAQuestionMark", "Arial", QString(QChar(0x015D)), "?"},
        TypedCase{"AnEmojiIsOneQuestionMark", "Arial", QString::fromUtf8("\xF0\x9F\x99\x8F"), "?"},
        TypedCase{"PaliLetterInAPaliFontIsItsByte", "VriRomanPali CN", QString(QChar(0x1E0D)),
                  std::string(1, kUnderdotD)},
        TypedCase{"PaliLetterInAPlainFontIsAQuestionMark", "Arial", QString(QChar(0x1E0D)), "?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewTyping, AnInputMethodsTextIsMadeToFit) {
    state.paliEntryOn = false;
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("\u1E0Da\u015D"));
    QApplication::sendEvent(&view, &event);
    EXPECT_EQ(text(), std::string(1, kUnderdotD) + "a?");
}

TEST_F(ViewTyping, PastedForeignTextIsMadeToFit) {
    state.paliEntryOn = false;
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral(
        "<p>one<br>two <b style=\"font-family:Arial\">\u1E0Da</b> \u1E0D<img src=\"x.png\"></p>"
        "<table><tr><td>\u0161</td><td>\u03B1</td></tr></table>"));
    QApplication::clipboard()->setMimeData(data);
    view.paste();
    // A line break becomes a paragraph break and table cells paragraphs; a
    // Pali letter takes the byte of the Pali font it lands in (the caret's,
    // when the source names none) and is "?" in any other font, like an image.
    const std::string all = text();
    EXPECT_TRUE(all.starts_with(std::string("one\r\ntwo ?a ") + kUnderdotD + "?\r\n")) << all;
    EXPECT_NE(all.find("\x9A"), std::string::npos) << all;
    EXPECT_NE(all.find("\r\n?"), std::string::npos) << all;
    EXPECT_EQ(view.surface().getTextLength(), static_cast<long>(all.size()));
    view.surface().setSel(9, 10);
    EXPECT_TRUE(view.surface().getCharFormatSelection().effects & chareffect::Bold);
    EXPECT_EQ(view.surface().getCharFormatSelection().faceName, "Arial");
}

TEST_F(ViewTyping, PastedPlainPaliIntoAPaliFontTakesTheFontsBytes) {
    state.paliEntryOn = false;
    QApplication::clipboard()->setText(QStringLiteral("\u1E0D\u1E0D\r\nx"));
    view.paste();
    EXPECT_EQ(text(), std::string(2, kUnderdotD) + "\r\nx");
}

TEST_F(ViewTyping, CopyAndPasteInsideTheProgramKeepEveryField) {
    state.paliEntryOn = false;
    FontDescription f;
    f.mask = charmask::All;
    f.height = 250;
    f.offset = 40;
    f.charSet = 2;
    f.pitchAndFamily = 0x12;
    f.faceName = "Times_CSX+";
    view.surface().replaceSel("abc", false);
    view.surface().setSel(0, -1);
    view.surface().setCharFormat(f);
    view.surface().copy();
    view.surface().setSel(3, 3);
    view.surface().paste();
    view.surface().setSel(3, 6);
    const FontDescription got = view.surface().getCharFormatSelection();
    EXPECT_EQ(got.height, 250);
    EXPECT_EQ(got.offset, 40);
    EXPECT_EQ(got.charSet, 2);
    EXPECT_EQ(got.pitchAndFamily, 0x12);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
}

TEST(ViewsOfOneDocument, EachHasItsOwnCaretAndInsertionFormat) {
    ScriptedPlatform platform;
    TransliterationState state;
    EditorView first(platform, state);
    EditorView second(platform, state, first.document());
    first.surface().replaceSel("shared text", false);
    EXPECT_EQ(second.surface().getWindowText(), "shared text");
    first.surface().setSel(2, 2);
    second.surface().setSel(6, 11);
    first.surface().setCharFormat(faceOnly("Times_Norman"));
    EXPECT_EQ(first.surface().getSel(), (Selection{2, 2}));
    EXPECT_EQ(second.surface().getSel(), (Selection{6, 11}));
    EXPECT_NE(second.surface().getCharFormatSelection().faceName, "Times_Norman");
}

}  // namespace
}  // namespace sorvel::testing
