#include <gtest/gtest.h>

#include "support/TestView.h"
#include "translit/CscdPaste.h"

namespace sorvel::testing {
namespace {

struct CscdCase {
    const char* name;
    std::string in;
    std::string out;
    friend void PrintTo(const CscdCase& c, std::ostream* os) { *os << c.name; }
};

class RewriteCscd : public ::testing::TestWithParam<CscdCase> {};

TEST_P(RewriteCscd, Cleans) {
    EXPECT_EQ(rewriteCscdText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RewriteCscd,
    ::testing::Values(CscdCase{"Empty", "", "\r\n\r\n"},
                      CscdCase{"JoinsBrokenLines", "one\r\ntwo", "onetwo\r\n\r\n"},
                      CscdCase{"LineEndingInABlank", "one \r\ntwo", "one two\r\n\r\n"},
                      CscdCase{"HyphenAtTheLineEnd", "dham-\r\nma", "dhamma\r\n\r\n"},
                      CscdCase{"FullStopAndBlankKeepTheBreak", "end. \r\nnext",
                               "end.\r\nnext\r\n\r\n"},
                      CscdCase{"FullStopAndTwoBlanksToo", "end.  \r\nnext", "end.\r\nnext\r\n\r\n"},
                      CscdCase{"FullStopAloneIsJoined", "end.\r\nnext", "end.next\r\n\r\n"},
                      CscdCase{"IndentedLineStartsANewLine", "one\r\n   two", "one\r\ntwo\r\n\r\n"},
                      CscdCase{"DeeperIndent", "one\r\n      two", "one\r\ntwo\r\n\r\n"},
                      CscdCase{"OneBlankIsNoIndent", "one\r\n two", "one two\r\n\r\n"},
                      CscdCase{"TwoBlanksAreNoIndent", "one\r\n  two", "one two\r\n\r\n"},
                      CscdCase{"BlankAtBothEndsLeavesTwo", "one \r\n two", "one  two\r\n\r\n"},
                      CscdCase{"RunsOfBlanksShrink", "a     b   c", "a b c\r\n\r\n"},
                      CscdCase{"Ellipsis", "wait\x85 then", "wait... then\r\n\r\n"},
                      CscdCase{"MarkersInTheText", "a[T@]b[&&]c", "a\r\nb.\r\nc\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasteFromCscd, PastesCleanedTextInTheCscdFontAndSelectsIt) {
    TestView v;
    v.setText("before  after", "Arial");
    v.surface.setSel(7, 7);
    v.surface.clipboard().setPlain("dham-\nma. \nnext\n   more");
    pasteFromCscd(v.view);
    const std::string cleaned = "dhamma.\r\nnext\r\nmore\r\n\r\n";
    EXPECT_EQ(v.text(), "before " + cleaned + " after");
    EXPECT_EQ(v.surface.getSel(), (Selection{7, 7 + static_cast<long>(cleaned.size())}));
    const FontDescription f = v.surface.getCharFormatSelection();
    EXPECT_EQ(f.faceName, "VriRomanPali CN");
    EXPECT_TRUE(f.has(charmask::Bold | charmask::Italic));
    EXPECT_FALSE(f.effects & (chareffect::Bold | chareffect::Italic));
    EXPECT_TRUE(v.surface.canUndo());
}

TEST(PasteFromCscd, ReplacesTheSelection) {
    TestView v;
    v.setText("keep DROP keep", "Arial");
    v.surface.setSel(5, 9);
    v.surface.clipboard().setPlain("new");
    pasteFromCscd(v.view);
    EXPECT_EQ(v.text(), "keep new\r\n\r\n keep");
}

TEST(PasteFromCscd, RichTextOnTheClipboardEndsUpInTheCscdFont) {
    TestView v;
    RichText rich(face("Some Reader Font"));
    rich.append("text\r\nmore", face("Some Reader Font"));
    v.surface.clipboard().setRich(rich, "text\r\nmore");
    pasteFromCscd(v.view);
    EXPECT_EQ(v.text(), "textmore\r\n\r\n");
    v.surface.setSel(0, -1);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "VriRomanPali CN");
}

TEST(PasteFromCscd, AnEmptyClipboardInsertsTwoBreaks) {
    TestView v;
    v.setText("x", "Arial");
    pasteFromCscd(v.view);
    EXPECT_EQ(v.text(), "x\r\n\r\n");
    EXPECT_EQ(v.surface.getSel(), (Selection{1, 5}));
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "VriRomanPali CN");
}

}  // namespace
}  // namespace sorvel::testing
