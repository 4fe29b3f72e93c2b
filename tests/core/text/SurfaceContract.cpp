#include "core/text/SurfaceContract.h"

#include <string>
#include <utility>
#include <vector>

namespace sorvel::testing {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SurfaceContract);

namespace {

FontDescription faceOnly(std::string_view name) {
    FontDescription f;
    f.mask = charmask::Face;
    f.faceName = name;
    return f;
}

FontDescription boldOnly(bool on) {
    FontDescription f;
    f.mask = charmask::Bold;
    f.effects = on ? chareffect::Bold : 0;
    return f;
}

}  // namespace

void SurfaceContract::typeIn(std::string_view text, std::string_view faceName) {
    s().setCharFormat(faceOnly(faceName));
    s().replaceSel(text, false);
}

TEST_P(SurfaceContract, StartsEmptyWithTheCaretAtZero) {
    EXPECT_EQ(s().getTextLength(), 0);
    EXPECT_EQ(s().getSel(), (Selection{0, 0}));
    EXPECT_EQ(s().getWindowText(), "");
    EXPECT_EQ(s().getSelText(), "");
}

TEST_P(SurfaceContract, ReplaceSelAtTheCaretInsertsAndLeavesTheCaretAfterIt) {
    s().replaceSel("Buddha", false);
    EXPECT_EQ(s().getWindowText(), "Buddha");
    EXPECT_EQ(s().getSel(), (Selection{6, 6}));
    s().setSel(2, 2);
    s().replaceSel("xy", false);
    EXPECT_EQ(s().getWindowText(), "Buxyddha");
    EXPECT_EQ(s().getSel(), (Selection{4, 4}));
}

TEST_P(SurfaceContract, ParagraphBreaksCountAsCrLfEverywhere) {
    s().replaceSel("ab\r\ncd\r\n\r\ne", false);
    const std::string all = s().getWindowText();
    EXPECT_EQ(all, "ab\r\ncd\r\n\r\ne");
    EXPECT_EQ(s().getTextLength(), static_cast<long>(all.size()));
    EXPECT_EQ(s().getSel(), (Selection{11, 11}));
    s().setSel(0, -1);
    EXPECT_EQ(s().getSelText(), all);
    EXPECT_EQ(s().getSel(), (Selection{0, 11}));
    s().setSel(4, 6);
    EXPECT_EQ(s().getSelText(), "cd");
}

TEST_P(SurfaceContract, LoneCrAndLfBecomeParagraphBreaks) {
    s().replaceSel("a\nb\rc\r\nd", false);
    EXPECT_EQ(s().getWindowText(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(s().getSel(), (Selection{10, 10}));
}

TEST_P(SurfaceContract, NoPositionFallsInsideABreak) {
    s().replaceSel("ab\r\ncd", false);
    s().setSel(3, 3);
    EXPECT_EQ(s().getSel(), (Selection{2, 2}));
    s().setSel(1, 3);
    EXPECT_EQ(s().getSel(), (Selection{1, 4}));
    EXPECT_EQ(s().getSelText(), "b\r\n");
    s().setSel(3, 5);
    EXPECT_EQ(s().getSel(), (Selection{2, 5}));
}

TEST_P(SurfaceContract, SetSelClampsAndSelectsAll) {
    s().replaceSel("abc", false);
    s().setSel(0, -1);
    EXPECT_EQ(s().getSel(), (Selection{0, 3}));
    s().setSel(1, 99);
    EXPECT_EQ(s().getSel(), (Selection{1, 3}));
    s().setSel(0, 0);
    EXPECT_EQ(s().getSel(), (Selection{0, 0}));
}

TEST_P(SurfaceContract, GetTextRangeIsASubstringOfTheWholeText) {
    s().replaceSel("a\r\n\r\nbc\r\nd", false);
    const std::string all = s().getWindowText();
    const auto n = static_cast<long>(all.size());
    for (long start = -2; start <= n + 1; ++start) {
        for (long end = start; end <= n + 2; ++end) {
            const long a = std::clamp(start, 0L, n);
            const long b = std::clamp(end, a, n);
            EXPECT_EQ(s().getTextRange(start, end), all.substr(a, b - a))
                << "range " << start << ".." << end;
        }
    }
}

TEST_P(SurfaceContract, EveryByteButTheBreakBytesSurvives) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    s().replaceSel(bytes, false);
    EXPECT_EQ(s().getWindowText(), bytes);
    s().setSel(0, -1);
    EXPECT_EQ(s().getSelText(), bytes);
    // Byte 160 (a no-break space in the code page) is a Pali letter in one font.
    const auto at = static_cast<long>(bytes.find('\xA0'));
    s().setSel(at, at + 1);
    EXPECT_EQ(s().getSelText(), "\xA0");
}

TEST_P(SurfaceContract, ReplaceSelOverASelectionTakesTheFormatOfItsFirstCharacter) {
    typeIn("abc", "Arial");
    typeIn("def", "VriRomanPali CN");
    s().setSel(3, 5);
    s().replaceSel("XYZ", false);
    EXPECT_EQ(s().getWindowText(), "abcXYZf");
    EXPECT_EQ(s().getSel(), (Selection{6, 6}));
    s().setSel(3, 6);
    const FontDescription f = s().getCharFormatSelection();
    EXPECT_TRUE(f.has(charmask::Face));
    EXPECT_EQ(f.faceName, "VriRomanPali CN");
}

TEST_P(SurfaceContract, AMixedSelectionReportsOnlyTheUniformProperties) {
    typeIn("abc", "Arial");
    typeIn("def", "Times_CSX+");
    s().setSel(1, 5);
    FontDescription f = s().getCharFormatSelection();
    EXPECT_FALSE(f.mask & charmask::Face);
    EXPECT_TRUE(f.has(charmask::Bold | charmask::Size));

    s().setSel(2, 4);
    s().setCharFormat(boldOnly(true));
    s().setSel(0, 6);
    f = s().getCharFormatSelection();
    EXPECT_FALSE(f.mask & charmask::Bold);
    EXPECT_TRUE(f.has(charmask::Italic | charmask::Size));

    // Applying only bold changes nothing but bold.
    s().setCharFormat(boldOnly(true));
    f = s().getCharFormatSelection();
    EXPECT_TRUE(f.has(charmask::Bold));
    EXPECT_TRUE(f.effects & chareffect::Bold);
    EXPECT_FALSE(f.mask & charmask::Face);
    s().setSel(0, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
    s().setSel(3, 6);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Times_CSX+");
}

TEST_P(SurfaceContract, AtACaretSetCharFormatChangesOnlyWhatIsTypedNext) {
    typeIn("abc", "Arial");
    s().setSel(1, 1);
    s().setCharFormat(faceOnly("VriRomanPali CN"));
    s().setSel(0, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
    EXPECT_TRUE(s().getCharFormatSelection().has(charmask::Face));

    s().setSel(1, 1);
    s().setCharFormat(faceOnly("VriRomanPali CN"));
    const FontDescription atCaret = s().getCharFormatSelection();
    EXPECT_EQ(atCaret.mask, charmask::All);
    EXPECT_EQ(atCaret.faceName, "VriRomanPali CN");
    s().replaceSel("x", false);
    s().setSel(1, 2);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");
    s().setSel(2, 4);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
}

TEST_P(SurfaceContract, EveryFieldOfTheFontDescriptionIsKept) {
    s().replaceSel("text", false);
    FontDescription f;
    f.mask = charmask::All;
    f.effects = chareffect::Italic | chareffect::Underline;
    f.height = 290;
    f.offset = -60;
    f.color = 0x00336699;
    f.charSet = 2;
    f.pitchAndFamily = 0x22;
    f.faceName = "SKT Times";
    s().setSel(0, -1);
    s().setCharFormat(f);
    s().setSel(1, 3);
    const FontDescription got = s().getCharFormatSelection();
    EXPECT_EQ(got.mask, charmask::All);
    EXPECT_EQ(got.effects & ~chareffect::AutoColor, f.effects);
    EXPECT_EQ(got.height, 290);
    EXPECT_EQ(got.offset, -60);
    EXPECT_EQ(got.color, 0x00336699u);
    EXPECT_EQ(got.charSet, 2);
    EXPECT_EQ(got.pitchAndFamily, 0x22);
    EXPECT_EQ(got.faceName, "SKT Times");
}

TEST_P(SurfaceContract, ParagraphFormatsAreReadAtTheFirstParagraphAndMaskedWhenMixed) {
    s().replaceSel("one\r\ntwo\r\nthree", false);
    s().setSel(5, 6);
    ParaFormat centre;
    centre.mask = paramask::Alignment;
    centre.alignment = alignment::Center;
    s().setParaFormat(centre);
    ParaFormat p = s().getParaFormatSelection();
    EXPECT_TRUE(p.mask & paramask::Alignment);
    EXPECT_EQ(p.alignment, alignment::Center);

    s().setSel(0, 7);
    p = s().getParaFormatSelection();
    EXPECT_FALSE(p.mask & paramask::Alignment);
    EXPECT_EQ(p.alignment, alignment::Left);
    EXPECT_TRUE(p.mask & paramask::StartIndent);

    ParaFormat indent;
    indent.mask = paramask::StartIndent | paramask::StartIndentRelative;
    indent.startIndent = 300;
    s().setParaFormat(indent);
    s().setParaFormat(indent);
    s().setSel(12, 12);
    EXPECT_EQ(s().getParaFormatSelection().startIndent, 0) << "third paragraph not selected";
    s().setSel(0, 0);
    EXPECT_EQ(s().getParaFormatSelection().startIndent, 600);
}

TEST_P(SurfaceContract, GetRichTextRangeCarriesTheFormatsOfTheRange) {
    typeIn("ab", "Arial");
    typeIn("cd", "VriRomanPali CN");
    s().replaceSel("\r\n", false);
    typeIn("ef", "Arial");
    s().setSel(0, 0);
    ParaFormat centre;
    centre.mask = paramask::Alignment;
    centre.alignment = alignment::Center;
    s().setParaFormat(centre);

    // A range ending between the CR and the LF takes the whole break.
    const RichText part = s().getRichTextRange(1, 5);
    EXPECT_EQ(part.text(), "bcd\r\n");
    EXPECT_EQ(part.formatAt(0).faceName, "Arial");
    EXPECT_EQ(part.formatAt(1).faceName, "VriRomanPali CN");
    EXPECT_EQ(part.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(s().getRichTextRange(6, -1).text(), "ef");
    EXPECT_EQ(s().getRichTextRange(6, -1).paraFormat(0).alignment, alignment::Left);
    EXPECT_EQ(s().getRichTextRange(-3, 100).text(), "abcd\r\nef");
    EXPECT_TRUE(s().getRichTextRange(3, 3).empty());
}

TEST_P(SurfaceContract, ReplaceSelRichKeepsItsFormatsAsOneStepOfUndo) {
    s().replaceSel("xy", false);
    s().setModify(false);
    s().setSel(1, 1);
    FontDescription pali = RichText::standardFormat();
    pali.faceName = "VriRomanPali CN";
    pali.effects |= chareffect::Bold;
    FontDescription arial = RichText::standardFormat();
    arial.faceName = "Arial";
    ParaFormat right;
    right.mask = paramask::All;
    right.alignment = alignment::Right;
    RichText piece(pali);
    piece.append("P\xB1", pali);
    piece.appendBreak(pali, right);
    piece.append("Q", arial);
    s().replaceSelRich(piece);

    EXPECT_EQ(s().getWindowText(), "xP\xB1\r\nQy");
    EXPECT_EQ(s().getSel(), (Selection{6, 6}));
    EXPECT_TRUE(s().getModify());
    const RichText after = s().getRichTextRange(0, -1);
    EXPECT_EQ(after.formatAt(2).faceName, "VriRomanPali CN");
    EXPECT_TRUE(after.formatAt(2).effects & chareffect::Bold);
    EXPECT_EQ(after.formatAt(5).faceName, "Arial");
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Right) << "the break it brought";
    EXPECT_EQ(after.paraFormat(1).alignment, alignment::Left) << "the paragraph it joined";
    ASSERT_TRUE(s().canUndo());
    s().undo();
    EXPECT_EQ(s().getWindowText(), "xy");
}

TEST_P(SurfaceContract, BulletsWithAHangingOffsetAreKept) {
    s().replaceSel("item", false);
    ParaFormat bullet;
    bullet.mask = paramask::Numbering | paramask::StartIndent | paramask::Offset;
    bullet.numbering = numbering::Bullet;
    bullet.startIndent = 0;
    bullet.offset = 360;
    s().setParaFormat(bullet);
    const ParaFormat p = s().getParaFormatSelection();
    EXPECT_EQ(p.numbering, numbering::Bullet);
    EXPECT_EQ(p.offset, 360);
    EXPECT_EQ(p.startIndent, 0);
}

TEST_P(SurfaceContract, UndoRevertsAnUndoableReplacementAndAPlainOneClearsTheHistory) {
    s().replaceSel("hello world", false);
    EXPECT_FALSE(s().canUndo());
    s().setSel(0, 5);
    s().replaceSel("HELLO", true);
    ASSERT_TRUE(s().canUndo());
    s().undo();
    EXPECT_EQ(s().getWindowText(), "hello world");

    s().setSel(0, 5);
    s().replaceSel("HELLO", true);
    s().setSel(6, 11);
    s().replaceSel("WORLD", false);
    EXPECT_FALSE(s().canUndo());
    EXPECT_EQ(s().getWindowText(), "HELLO WORLD");
}

TEST_P(SurfaceContract, RedoGivesBackWhatUndoTookUntilAnotherChange) {
    s().replaceSel("one two", false);
    EXPECT_FALSE(s().canRedo());
    s().setSel(0, 3);
    s().replaceSel("ONE", true);
    s().setSel(4, 7);
    s().setCharFormat(boldOnly(true));
    s().undo();
    s().undo();
    EXPECT_EQ(s().getWindowText(), "one two");
    ASSERT_TRUE(s().canRedo());
    s().redo();
    EXPECT_EQ(s().getWindowText(), "ONE two");
    s().redo();
    EXPECT_FALSE(s().canRedo());
    s().setSel(4, 7);
    EXPECT_EQ(s().getCharFormatSelection().effects & chareffect::Bold, chareffect::Bold);
    // Redone steps undo again.
    s().undo();
    s().undo();
    EXPECT_EQ(s().getWindowText(), "one two");

    // A recorded change forgets what there was to redo, and so does one
    // that is not recorded, which forgets undo as well.
    s().redo();
    s().setSel(0, 0);
    s().replaceSel("x", true);
    EXPECT_FALSE(s().canRedo());
    s().undo();
    ASSERT_TRUE(s().canRedo());
    s().replaceSel("y", false);
    EXPECT_FALSE(s().canRedo());
    EXPECT_FALSE(s().canUndo());
    EXPECT_EQ(s().getWindowText(), "yONE two");
}

TEST_P(SurfaceContract, PasteIsPossibleOnlyWithSomethingOnTheClipboard) {
    harness().clearClipboard();
    EXPECT_FALSE(s().canPaste());
    s().replaceSel("abc", false);
    s().setSel(0, 2);
    s().copy();
    EXPECT_TRUE(s().canPaste());
    harness().clearClipboard();
    EXPECT_FALSE(s().canPaste());
}

TEST_P(SurfaceContract, EditsSetTheModifiedFlag) {
    EXPECT_FALSE(s().getModify());
    s().replaceSel("x", false);
    EXPECT_TRUE(s().getModify());
    s().setModify(false);
    EXPECT_FALSE(s().getModify());
    s().setSel(0, 1);
    s().setCharFormat(boldOnly(true));
    EXPECT_TRUE(s().getModify());
}

TEST_P(SurfaceContract, CopyAndPasteCarryTextAndFormat) {
    typeIn("plain ", "Arial");
    typeIn("\xB1\xB9", "VriRomanPali CN");
    s().setSel(6, 8);
    s().copy();
    s().setSel(0, 0);
    const long before = s().getTextLength();
    s().paste();
    EXPECT_EQ(s().getTextLength(), before + 2);
    EXPECT_EQ(s().getWindowText(), "\xB1\xB9plain \xB1\xB9");
    s().setSel(0, 2);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");
}

TEST_P(SurfaceContract, ClearDeletesTheSelection) {
    s().replaceSel("abcdef", false);
    s().setSel(1, 4);
    s().clear();
    EXPECT_EQ(s().getWindowText(), "aef");
    EXPECT_EQ(s().getSel(), (Selection{1, 1}));
}

TEST_P(SurfaceContract, SetWindowTextReplacesEverything) {
    s().replaceSel("old text", false);
    s().setWindowText("line one\nline two\r\n");
    EXPECT_EQ(s().getWindowText(), "line one\r\nline two\r\n");
    EXPECT_EQ(s().getTextLength(), 20);
}

}  // namespace sorvel::testing

namespace sorvel::testing {

TEST_P(SurfaceContract, AtAParagraphStartTheInsertionFormatIsThatOfItsFirstCharacter) {
    typeIn("ab\r\n", "Arial");
    typeIn("cd", "VriRomanPali CN");
    s().setSel(0, 0);
    s().setSel(4, 4);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");
    s().setSel(2, 2);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
}

TEST_P(SurfaceContract, AnUnchangedCaretKeepsTheFormatSetAtItAndAMovedOneLosesIt) {
    typeIn("abc", "Arial");
    s().setCharFormat(faceOnly("Times_Norman"));
    s().setSel(3, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Times_Norman");
    s().setSel(2, 2);
    s().setSel(3, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
}

TEST_P(SurfaceContract, UndoOfAFormatChangeRestoresTheOldFormat) {
    typeIn("abc", "Arial");
    s().setSel(0, 3);
    s().setCharFormat(faceOnly("Times_CSX+"));
    ASSERT_TRUE(s().canUndo());
    s().undo();
    s().setSel(0, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Arial");
}

// A rich replacement stops at the text limit as a paste does, and never cuts
// a paragraph break in two: (room left, what goes in).
TEST_P(SurfaceContract, ARichReplacementStopsAtTheTextLimitWithoutSplittingABreak) {
    const std::vector<std::pair<long, std::string>> cases = {
        {8, "12\r\n3456"}, {5, "12\r\n3"}, {4, "12\r\n"}, {3, "12"}, {0, ""}};
    for (const auto& [room, expected] : cases) {
        SCOPED_TRACE(room);
        s().setWindowText("abcdef");
        harness().setTextLimit(6 + room);
        s().setSel(6, 6);
        RichText piece;
        piece.replace(0, 0, "12\r\n3456", RichText::standardFormat());
        s().replaceSelRich(piece);
        EXPECT_EQ(s().getWindowText(), "abcdef" + expected);
    }
    // What the selection frees counts as room.
    s().setWindowText("abcdef");
    harness().setTextLimit(6);
    s().setSel(0, 2);
    RichText piece;
    piece.replace(0, 0, "123", RichText::standardFormat());
    s().replaceSelRich(piece);
    EXPECT_EQ(s().getWindowText(), "12cdef");
}

TEST_P(SurfaceContract, ARichRangeEndingAtMinusOneOrPastTheTextReadsToItsEnd) {
    s().replaceSel("one\r\ntwo", false);
    EXPECT_EQ(s().getRichTextRange(5, -1).text(), "two");
    EXPECT_EQ(s().getRichTextRange(5, 99).text(), "two");
    EXPECT_EQ(s().getRichTextRange(-4, 3).text(), "one");
    EXPECT_EQ(s().getRichTextRange(3, 1).text(), "");
}

}  // namespace sorvel::testing

namespace sorvel::testing {

// A rich replacement of a selection across paragraphs leaves each paragraph
// the format it had when what comes in carries the same: the paragraph that
// the selection ends in keeps its own, not the first one's.
TEST_P(SurfaceContract, ARichReplacementAcrossParagraphsKeepsEachParagraphsFormat) {
    s().replaceSel("ab\r\ncd\r\nef", false);
    const std::pair<long, uint16_t> paragraphs[] = {
        {0, alignment::Center}, {4, alignment::Right}, {8, alignment::Left}};
    for (const auto& [at, value] : paragraphs) {
        s().setSel(at, at);
        ParaFormat p;
        p.mask = paramask::Alignment;
        p.alignment = value;
        s().setParaFormat(p);
    }
    for (const auto& [start, end] : {std::pair{1L, 5L}, std::pair{0L, 4L}, std::pair{1L, 9L}}) {
        SCOPED_TRACE(start);
        s().setSel(start, end);
        s().replaceSelRich(s().getRichTextRange(start, end));
        EXPECT_EQ(s().getWindowText(), "ab\r\ncd\r\nef");
        const RichText after = s().getRichTextRange(0, -1);
        EXPECT_EQ(after.paraFormat(0).alignment, alignment::Center);
        EXPECT_EQ(after.paraFormat(1).alignment, alignment::Right);
        EXPECT_EQ(after.paraFormat(2).alignment, alignment::Left);
    }
}

TEST_P(SurfaceContract, TheClipboardReadsAsAPasteWouldBringIt) {
    typeIn("plain ", "Arial");
    typeIn("\xB1\xB9", "VriRomanPali CN");
    harness().setTextLimit(40);
    EXPECT_EQ(s().getLimitText(), 40);
    s().setSel(4, 8);
    s().copy();
    s().setSel(0, 0);
    const RichText copied = s().getClipboardText(faceOnly("Times_Norman"));
    EXPECT_EQ(copied.text(), "n \xB1\xB9");
    EXPECT_EQ(copied.formatAt(0).faceName, "Arial");
    EXPECT_EQ(copied.formatAt(3).faceName, "VriRomanPali CN");
    EXPECT_EQ(s().getWindowText(), "plain \xB1\xB9") << "reading pastes nothing";
}

}  // namespace sorvel::testing
