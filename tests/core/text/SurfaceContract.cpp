#include "core/text/SurfaceContract.h"

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
    s().SetCharFormat(faceOnly(faceName));
    s().ReplaceSel(text, false);
}

TEST_P(SurfaceContract, StartsEmptyWithTheCaretAtZero) {
    EXPECT_EQ(s().GetTextLength(), 0);
    EXPECT_EQ(s().GetSel(), (Selection{0, 0}));
    EXPECT_EQ(s().GetWindowText(), "");
    EXPECT_EQ(s().GetSelText(), "");
}

TEST_P(SurfaceContract, ReplaceSelAtTheCaretInsertsAndLeavesTheCaretAfterIt) {
    s().ReplaceSel("Buddha", false);
    EXPECT_EQ(s().GetWindowText(), "Buddha");
    EXPECT_EQ(s().GetSel(), (Selection{6, 6}));
    s().SetSel(2, 2);
    s().ReplaceSel("xy", false);
    EXPECT_EQ(s().GetWindowText(), "Buxyddha");
    EXPECT_EQ(s().GetSel(), (Selection{4, 4}));
}

TEST_P(SurfaceContract, ParagraphBreaksCountAsCrLfEverywhere) {
    s().ReplaceSel("ab\r\ncd\r\n\r\ne", false);
    const std::string all = s().GetWindowText();
    EXPECT_EQ(all, "ab\r\ncd\r\n\r\ne");
    EXPECT_EQ(s().GetTextLength(), static_cast<long>(all.size()));
    EXPECT_EQ(s().GetSel(), (Selection{11, 11}));
    s().SetSel(0, -1);
    EXPECT_EQ(s().GetSelText(), all);
    EXPECT_EQ(s().GetSel(), (Selection{0, 11}));
    s().SetSel(4, 6);
    EXPECT_EQ(s().GetSelText(), "cd");
}

TEST_P(SurfaceContract, LoneCrAndLfBecomeParagraphBreaks) {
    s().ReplaceSel("a\nb\rc\r\nd", false);
    EXPECT_EQ(s().GetWindowText(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(s().GetSel(), (Selection{10, 10}));
}

TEST_P(SurfaceContract, NoPositionFallsInsideABreak) {
    s().ReplaceSel("ab\r\ncd", false);
    s().SetSel(3, 3);
    EXPECT_EQ(s().GetSel(), (Selection{2, 2}));
    s().SetSel(1, 3);
    EXPECT_EQ(s().GetSel(), (Selection{1, 4}));
    EXPECT_EQ(s().GetSelText(), "b\r\n");
    s().SetSel(3, 5);
    EXPECT_EQ(s().GetSel(), (Selection{2, 5}));
}

TEST_P(SurfaceContract, SetSelClampsAndSelectsAll) {
    s().ReplaceSel("abc", false);
    s().SetSel(0, -1);
    EXPECT_EQ(s().GetSel(), (Selection{0, 3}));
    s().SetSel(1, 99);
    EXPECT_EQ(s().GetSel(), (Selection{1, 3}));
    s().SetSel(0, 0);
    EXPECT_EQ(s().GetSel(), (Selection{0, 0}));
}

TEST_P(SurfaceContract, GetTextRangeIsASubstringOfTheWholeText) {
    s().ReplaceSel("a\r\n\r\nbc\r\nd", false);
    const std::string all = s().GetWindowText();
    const auto n = static_cast<long>(all.size());
    for (long start = -2; start <= n + 1; ++start) {
        for (long end = start; end <= n + 2; ++end) {
            const long a = std::clamp(start, 0L, n);
            const long b = std::clamp(end, a, n);
            EXPECT_EQ(s().GetTextRange(start, end), all.substr(a, b - a))
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
    s().ReplaceSel(bytes, false);
    EXPECT_EQ(s().GetWindowText(), bytes);
    s().SetSel(0, -1);
    EXPECT_EQ(s().GetSelText(), bytes);
    // Byte 160 (a no-break space in the code page) is a Pali letter in one font.
    const auto at = static_cast<long>(bytes.find('\xA0'));
    s().SetSel(at, at + 1);
    EXPECT_EQ(s().GetSelText(), "\xA0");
}

TEST_P(SurfaceContract, ReplaceSelOverASelectionTakesTheFormatOfItsFirstCharacter) {
    typeIn("abc", "Arial");
    typeIn("def", "VriRomanPali CN");
    s().SetSel(3, 5);
    s().ReplaceSel("XYZ", false);
    EXPECT_EQ(s().GetWindowText(), "abcXYZf");
    EXPECT_EQ(s().GetSel(), (Selection{6, 6}));
    s().SetSel(3, 6);
    const FontDescription f = s().GetCharFormatSelection();
    EXPECT_TRUE(f.has(charmask::Face));
    EXPECT_EQ(f.faceName, "VriRomanPali CN");
}

TEST_P(SurfaceContract, AMixedSelectionReportsOnlyTheUniformProperties) {
    typeIn("abc", "Arial");
    typeIn("def", "Times_CSX+");
    s().SetSel(1, 5);
    FontDescription f = s().GetCharFormatSelection();
    EXPECT_FALSE(f.mask & charmask::Face);
    EXPECT_TRUE(f.has(charmask::Bold | charmask::Size));

    s().SetSel(2, 4);
    s().SetCharFormat(boldOnly(true));
    s().SetSel(0, 6);
    f = s().GetCharFormatSelection();
    EXPECT_FALSE(f.mask & charmask::Bold);
    EXPECT_TRUE(f.has(charmask::Italic | charmask::Size));

    // Applying only bold changes nothing but bold.
    s().SetCharFormat(boldOnly(true));
    f = s().GetCharFormatSelection();
    EXPECT_TRUE(f.has(charmask::Bold));
    EXPECT_TRUE(f.effects & chareffect::Bold);
    EXPECT_FALSE(f.mask & charmask::Face);
    s().SetSel(0, 3);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "Arial");
    s().SetSel(3, 6);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "Times_CSX+");
}

TEST_P(SurfaceContract, AtACaretSetCharFormatChangesOnlyWhatIsTypedNext) {
    typeIn("abc", "Arial");
    s().SetSel(1, 1);
    s().SetCharFormat(faceOnly("VriRomanPali CN"));
    s().SetSel(0, 3);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "Arial");
    EXPECT_TRUE(s().GetCharFormatSelection().has(charmask::Face));

    s().SetSel(1, 1);
    s().SetCharFormat(faceOnly("VriRomanPali CN"));
    const FontDescription atCaret = s().GetCharFormatSelection();
    EXPECT_EQ(atCaret.mask, charmask::All);
    EXPECT_EQ(atCaret.faceName, "VriRomanPali CN");
    s().ReplaceSel("x", false);
    s().SetSel(1, 2);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "VriRomanPali CN");
    s().SetSel(2, 4);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "Arial");
}

TEST_P(SurfaceContract, EveryFieldOfTheFontDescriptionIsKept) {
    s().ReplaceSel("text", false);
    FontDescription f;
    f.mask = charmask::All;
    f.effects = chareffect::Italic | chareffect::Underline;
    f.height = 290;
    f.offset = -60;
    f.color = 0x00336699;
    f.charSet = 2;
    f.pitchAndFamily = 0x22;
    f.faceName = "SKT Times";
    s().SetSel(0, -1);
    s().SetCharFormat(f);
    s().SetSel(1, 3);
    const FontDescription got = s().GetCharFormatSelection();
    EXPECT_EQ(got.mask, charmask::All);
    EXPECT_EQ(got.effects & ~chareffect::AutoColor, f.effects);
    EXPECT_EQ(got.height, 290);
    EXPECT_EQ(got.offset, -60);
    EXPECT_EQ(got.color, 0x00336699u);
    EXPECT_EQ(got.charSet, 2);
    EXPECT_EQ(got.pitchAndFamily, 0x22);
    EXPECT_EQ(got.faceName, "SKT Times");
    EXPECT_EQ(got.size, 60u);
}

TEST_P(SurfaceContract, ParagraphFormatsAreReadAtTheFirstParagraphAndMaskedWhenMixed) {
    s().ReplaceSel("one\r\ntwo\r\nthree", false);
    s().SetSel(5, 6);
    ParaFormat centre;
    centre.mask = paramask::Alignment;
    centre.alignment = alignment::Center;
    s().SetParaFormat(centre);
    ParaFormat p = s().GetParaFormatSelection();
    EXPECT_TRUE(p.mask & paramask::Alignment);
    EXPECT_EQ(p.alignment, alignment::Center);

    s().SetSel(0, 7);
    p = s().GetParaFormatSelection();
    EXPECT_FALSE(p.mask & paramask::Alignment);
    EXPECT_EQ(p.alignment, alignment::Left);
    EXPECT_TRUE(p.mask & paramask::StartIndent);

    ParaFormat indent;
    indent.mask = paramask::StartIndent | paramask::StartIndentRelative;
    indent.startIndent = 300;
    s().SetParaFormat(indent);
    s().SetParaFormat(indent);
    s().SetSel(12, 12);
    EXPECT_EQ(s().GetParaFormatSelection().startIndent, 0) << "third paragraph not selected";
    s().SetSel(0, 0);
    EXPECT_EQ(s().GetParaFormatSelection().startIndent, 600);
}

TEST_P(SurfaceContract, GetRichTextRangeCarriesTheFormatsOfTheRange) {
    typeIn("ab", "Arial");
    typeIn("cd", "VriRomanPali CN");
    s().ReplaceSel("\r\n", false);
    typeIn("ef", "Arial");
    s().SetSel(0, 0);
    ParaFormat centre;
    centre.mask = paramask::Alignment;
    centre.alignment = alignment::Center;
    s().SetParaFormat(centre);

    // A range ending between the CR and the LF takes the whole break.
    const RichText part = s().GetRichTextRange(1, 5);
    EXPECT_EQ(part.text(), "bcd\r\n");
    EXPECT_EQ(part.formatAt(0).faceName, "Arial");
    EXPECT_EQ(part.formatAt(1).faceName, "VriRomanPali CN");
    EXPECT_EQ(part.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(s().GetRichTextRange(6, -1).text(), "ef");
    EXPECT_EQ(s().GetRichTextRange(6, -1).paraFormat(0).alignment, alignment::Left);
    EXPECT_EQ(s().GetRichTextRange(-3, 100).text(), "abcd\r\nef");
    EXPECT_TRUE(s().GetRichTextRange(3, 3).empty());
}

TEST_P(SurfaceContract, ReplaceSelRichKeepsItsFormatsAsOneStepOfUndo) {
    s().ReplaceSel("xy", false);
    s().SetModify(false);
    s().SetSel(1, 1);
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
    s().ReplaceSelRich(piece);

    EXPECT_EQ(s().GetWindowText(), "xP\xB1\r\nQy");
    EXPECT_EQ(s().GetSel(), (Selection{6, 6}));
    EXPECT_TRUE(s().GetModify());
    const RichText after = s().GetRichTextRange(0, -1);
    EXPECT_EQ(after.formatAt(2).faceName, "VriRomanPali CN");
    EXPECT_TRUE(after.formatAt(2).effects & chareffect::Bold);
    EXPECT_EQ(after.formatAt(5).faceName, "Arial");
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Right) << "the break it brought";
    EXPECT_EQ(after.paraFormat(1).alignment, alignment::Left) << "the paragraph it joined";
    ASSERT_TRUE(s().CanUndo());
    s().Undo();
    EXPECT_EQ(s().GetWindowText(), "xy");
}

TEST_P(SurfaceContract, BulletsWithAHangingOffsetAreKept) {
    s().ReplaceSel("item", false);
    ParaFormat bullet;
    bullet.mask = paramask::Numbering | paramask::StartIndent | paramask::Offset;
    bullet.numbering = numbering::Bullet;
    bullet.startIndent = 0;
    bullet.offset = 360;
    s().SetParaFormat(bullet);
    const ParaFormat p = s().GetParaFormatSelection();
    EXPECT_EQ(p.numbering, numbering::Bullet);
    EXPECT_EQ(p.offset, 360);
    EXPECT_EQ(p.startIndent, 0);
}

TEST_P(SurfaceContract, UndoRevertsAnUndoableReplacementAndAPlainOneClearsTheHistory) {
    s().ReplaceSel("hello world", false);
    EXPECT_FALSE(s().CanUndo());
    s().SetSel(0, 5);
    s().ReplaceSel("HELLO", true);
    ASSERT_TRUE(s().CanUndo());
    s().Undo();
    EXPECT_EQ(s().GetWindowText(), "hello world");

    s().SetSel(0, 5);
    s().ReplaceSel("HELLO", true);
    s().SetSel(6, 11);
    s().ReplaceSel("WORLD", false);
    EXPECT_FALSE(s().CanUndo());
    EXPECT_EQ(s().GetWindowText(), "HELLO WORLD");
}

TEST_P(SurfaceContract, EditsSetTheModifiedFlag) {
    EXPECT_FALSE(s().GetModify());
    s().ReplaceSel("x", false);
    EXPECT_TRUE(s().GetModify());
    s().SetModify(false);
    EXPECT_FALSE(s().GetModify());
    s().SetSel(0, 1);
    s().SetCharFormat(boldOnly(true));
    EXPECT_TRUE(s().GetModify());
}

TEST_P(SurfaceContract, CopyAndPasteCarryTextAndFormat) {
    typeIn("plain ", "Arial");
    typeIn("\xB1\xB9", "VriRomanPali CN");
    s().SetSel(6, 8);
    s().Copy();
    s().SetSel(0, 0);
    const long before = s().GetTextLength();
    s().Paste();
    EXPECT_EQ(s().GetTextLength(), before + 2);
    EXPECT_EQ(s().GetWindowText(), "\xB1\xB9plain \xB1\xB9");
    s().SetSel(0, 2);
    EXPECT_EQ(s().GetCharFormatSelection().faceName, "VriRomanPali CN");
}

TEST_P(SurfaceContract, ClearDeletesTheSelection) {
    s().ReplaceSel("abcdef", false);
    s().SetSel(1, 4);
    s().Clear();
    EXPECT_EQ(s().GetWindowText(), "aef");
    EXPECT_EQ(s().GetSel(), (Selection{1, 1}));
}

TEST_P(SurfaceContract, SetWindowTextReplacesEverything) {
    s().ReplaceSel("old text", false);
    s().SetWindowText("line one\nline two\r\n");
    EXPECT_EQ(s().GetWindowText(), "line one\r\nline two\r\n");
    EXPECT_EQ(s().GetTextLength(), 20);
}

}  // namespace sorvel::testing
