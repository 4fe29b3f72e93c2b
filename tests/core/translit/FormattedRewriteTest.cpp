#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pali/TextReplace.h"
#include "support/ReferenceConversion.h"
#include "support/TestView.h"
#include "translit/CscdPaste.h"
#include "translit/FormattedRewrite.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"

namespace sorvel::testing {
namespace {

using K = PaliFontKind;

// The traced conversions give exactly the text of the plain ones, which
// their own tests check against the literal replacement steps.
TEST(TracedConversion, GivesTheTextOfThePlainConversion) {
    const std::vector<std::string> texts = {"Buddha.m sara.na.m gacchaami",
                                            "sa\"ngha the \"namo\" x\r\n\"N",
                                            "Hmmm Aaa ddd !m \"M",
                                            "\xB1\xB9\xBD\xBA \xE0\xF3 [&Paa][&P.d] [&P",
                                            "dham-\r\nma. \r\n   next  x\x85",
                                            ""};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        for (const K kind : kPaliFonts) {
            EXPECT_EQ(standardToPaliText(TracedText(text), kind).text(),
                      standardToPaliText(text, kind));
            EXPECT_EQ(paliToStandardText(TracedText(text), kind).text(),
                      paliToStandardText(text, kind));
            for (const K target : {K::TimesCsxPlus, K::UserTableFont, K::NoPaliFont}) {
                EXPECT_EQ(convertPaliFontText(TracedText(text), kind, target).text(),
                          referenceConvertPaliFontText(text, kind, target));
            }
        }
        EXPECT_EQ(convertPaliFontText(TracedText(text), K::NoPaliFont, K::SktTimes).text(),
                  referenceConvertPaliFontText(text, K::NoPaliFont, K::SktTimes));
        EXPECT_EQ(rewriteCscdText(TracedText(text)).text(), rewriteCscdText(text));
    }
}

TEST(TracedConversion, WhatAReplacementPutsInComesFromTheFirstCharacterItReplaced) {
    TracedText text("xaay");
    EXPECT_EQ(replaceAll(text, "aa", "\xB1"), 1u);
    EXPECT_EQ(text.text(), "x\xB1y");
    const std::vector<int32_t> origins = {text.originAt(0), text.originAt(1), text.originAt(2)};
    EXPECT_EQ(origins, (std::vector<int32_t>{0, 1, 3}));
    text.append("\r\n");
    EXPECT_EQ(text.originAt(3), TracedText::kNoOrigin);
}

FontDescription styled(std::string_view faceName, bool bold, int32_t height = 240) {
    FontDescription f = face(faceName);
    f.height = height;
    if (bold) {
        f.effects |= chareffect::Bold;
    }
    return f;
}

ParaFormat aligned(uint16_t value, bool bullet = false) {
    ParaFormat p;
    p.mask = paramask::All;
    p.alignment = value;
    if (bullet) {
        p.numbering = numbering::Bullet;
        p.offset = 360;
    }
    return p;
}

// Two lines in `faceName`: the first word bold and the first line centred,
// the second a bulleted line in 14 points.
RichText twoLines(std::string_view faceName, std::string_view word, std::string_view rest,
                  std::string_view second) {
    RichText text(styled(faceName, false));
    text.append(word, styled(faceName, true));
    text.append(rest, styled(faceName, false));
    text.appendBreak(styled(faceName, false), aligned(alignment::Center));
    text.append(second, styled(faceName, false, 280));
    text.setParaFormat(1, aligned(alignment::Left, true));
    return text;
}

struct ConversionCase {
    const char* name;
    std::function<void(TestView&)> run;
    RichText before;
    std::string after;
    std::string face;  // of every character afterwards
    int32_t lineTwoHeight;
    friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }
};

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

// Every character keeps its format (but for the font the command sets) and
// every paragraph its own; the whole conversion undoes in one step, and the
// steps of undo from before it stay.
TEST_P(Conversion, KeepsEachCharactersAndParagraphsFormatAndUndoesInOneStep) {
    const ConversionCase& c = GetParam();
    TestView v;
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    v.surface.setDocument(c.before);
    v.surface.setSel(0, 0);
    v.surface.replaceSel("\xAB", true);  // an earlier step of undo
    v.surface.setSel(1, -1);
    c.run(v);

    const RichText after = v.surface.getRichTextRange(0, -1);
    ASSERT_EQ(after.text(), "\xAB" + c.after);
    const long lineTwo = static_cast<long>(c.after.find('\r')) + 3;
    for (long i = 1; i < after.length(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after.formatAt(i).faceName.str(), c.face);
        const bool inWord = i < static_cast<long>(c.after.find(' ')) + 1;
        EXPECT_EQ((after.formatAt(i).effects & chareffect::Bold) != 0, inWord);
        EXPECT_EQ(after.formatAt(i).height, i >= lineTwo ? c.lineTwoHeight : 240);
    }
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(after.paraFormat(1).numbering, numbering::Bullet);
    EXPECT_EQ(after.paraFormat(1).offset, 360);

    ASSERT_TRUE(v.surface.canUndo());
    v.surface.undo();
    ASSERT_TRUE(v.surface.canUndo()) << "the earlier step is still there";
    v.surface.undo();
    EXPECT_EQ(v.surface.getRichTextRange(0, -1), c.before) << "all of it back, formats and all";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Conversion,
    ::testing::Values(ConversionCase{"StandardToPaliFont",
                                     [](TestView& v) { standardToPaliFont(v.view); },
                                     twoLines("Arial", "Buddha.m", " sara.na.m", "gacchaami"),
                                     "Buddha\xBD sara\xBA"
                                     "a\xBD\r\ngacch\xB1mi",
                                     "VriRomanPali CN", 280},
                      ConversionCase{"PaliFontToStandard",
                                     [](TestView& v) { paliFontToStandard(v.view); },
                                     twoLines("VriRomanPali CB", "Buddha\xBD",
                                              " sara\xBA"
                                              "a\xBD",
                                              "gacch\xB1mi"),
                                     "Buddha.m sara.na.m\r\ngacchaami", "VriRomanPali CB", 280},
                      ConversionCase{"ConvertPaliFont",
                                     [](TestView& v) {
                                         v.platform.expectFontDialog(fontChoice("Times_CSX+"));
                                         convertPaliFontOfSelection(v.view);
                                     },
                                     twoLines("VriRomanPali CN", "Buddha\xBD",
                                              " sara\xBA"
                                              "a\xBD",
                                              "gacch\xB1mi"),
                                     "Buddha\xFC sara\xF5"
                                     "a\xFC\r\ngacch\xE0mi",
                                     "Times_CSX+", 240 /* the size chosen goes onto all of it */}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, ACodeAcrossTwoFormatsConvertsWholeInTheFormatOfItsFirstCharacter) {
    TestView v;
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    RichText text(styled("Arial", false));
    text.append("sa", styled("Arial", false));
    text.append("a", styled("Arial", true));
    text.append("ri", styled("Arial", false));
    v.surface.setDocument(text);
    v.surface.setSel(0, -1);
    standardToPaliFont(v.view);
    const RichText after = v.surface.getRichTextRange(0, -1);
    ASSERT_EQ(after.text(), "s\xB1ri");
    EXPECT_FALSE(after.formatAt(1).effects & chareffect::Bold) << "the code began plain";
}

TEST(Conversion, AResultTooLongForTheDocumentIsRefusedWhole) {
    TestView v;
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    v.setText("\xB1\xB1\xB1", "VriRomanPali CN");
    v.surface.setTextLimit(5);
    v.surface.setModify(false);
    v.surface.setSel(0, -1);
    v.platform.expectMessage(FormattedRewrite::tooLongMessage(5));
    paliFontToStandard(v.view);
    EXPECT_EQ(v.text(), "\xB1\xB1\xB1");
    EXPECT_FALSE(v.surface.getModify());
    EXPECT_NE(FormattedRewrite::tooLongMessage(16'777'215).find("16,777,215 characters"),
              std::string::npos);
}

TEST(PasteFromCscdFormats, KeepsEachParagraphsFormatAndSizeAndUndoesInOneStep) {
    TestView v;
    v.setText("keep DROP keep", "Arial");
    v.surface.setSel(0, 0);
    v.surface.setParaFormat(aligned(alignment::Right));
    RichText copied(styled("Reader", true, 300));
    copied.append("dham-", styled("Reader", true, 300));
    copied.appendBreak(styled("Reader", true, 300), aligned(alignment::Center));
    copied.append("ma. ", styled("Reader", false, 200));
    copied.appendBreak(styled("Reader", false, 200), aligned(alignment::Center));
    copied.append("next", styled("Reader", false, 200));
    v.surface.clipboard().setRich(copied, copied.text());
    const RichText before = v.surface.getRichTextRange(0, -1);
    v.surface.setSel(5, 9);
    pasteFromCscd(v.view);

    const RichText after = v.surface.getRichTextRange(0, -1);
    ASSERT_EQ(after.text(), "keep dhamma.\r\nnext\r\n\r\n keep");
    EXPECT_EQ(after.formatAt(5).faceName, "VriRomanPali CN");
    EXPECT_FALSE(after.formatAt(5).effects & chareffect::Bold);
    EXPECT_EQ(after.formatAt(5).height, 300);
    EXPECT_EQ(after.formatAt(10).height, 200);
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Center) << "the copied paragraph's";
    EXPECT_EQ(after.paraFormat(3).alignment, alignment::Right) << "the paragraph it went into";
    EXPECT_EQ(after.formatAt(0).faceName, "Arial");
    v.surface.undo();
    EXPECT_EQ(v.surface.getRichTextRange(0, -1), before);
}

}  // namespace
}  // namespace sorvel::testing
