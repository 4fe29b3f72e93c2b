#include <gtest/gtest.h>

#include "text/RichText.h"

namespace sorvel {
namespace {

FontDescription faceFormat(std::string_view name) {
    FontDescription f = RichText::standardFormat();
    f.faceName = name;
    return f;
}

ParaFormat aligned(uint16_t a) {
    ParaFormat p;
    p.mask = paramask::All;
    p.alignment = a;
    return p;
}

struct BreakCase {
    const char* name;
    std::string in;
    std::string out;
    friend void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }
};

class NormalizeBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(NormalizeBreaks, MakesEveryBreakCrLf) {
    EXPECT_EQ(RichText::normalizeBreaks(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormalizeBreaks,
                         ::testing::Values(BreakCase{"Empty", "", ""},
                                           BreakCase{"CrLfKept", "a\r\nb", "a\r\nb"},
                                           BreakCase{"LoneLf", "a\nb", "a\r\nb"},
                                           BreakCase{"LoneCr", "a\rb", "a\r\nb"},
                                           BreakCase{"CrCrLf", "\r\r\n", "\r\n\r\n"},
                                           BreakCase{"LfCr", "\n\r", "\r\n\r\n"},
                                           BreakCase{"TrailingCr", "a\r", "a\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RichText, ParagraphsFollowTheBreaks) {
    RichText t;
    t.append("one\r\ntwo\r\n", faceFormat("Arial"));
    ASSERT_EQ(t.paragraphCount(), 3);
    EXPECT_EQ(t.paragraphStart(1), 5);
    EXPECT_EQ(t.paragraphEnd(1), 8);
    EXPECT_EQ(t.paragraphAt(0), 0);
    EXPECT_EQ(t.paragraphAt(3), 0);  // the CR belongs to the paragraph it ends
    EXPECT_EQ(t.paragraphAt(5), 1);
    EXPECT_EQ(t.paragraphAt(10), 2);
}

TEST(RichText, DeletingABreakGivesTheJoinedParagraphTheLaterFormat) {
    RichText t;
    t.append("one\r\ntwo", faceFormat("Arial"));
    t.setParaFormat(0, aligned(alignment::Center));
    t.setParaFormat(1, aligned(alignment::Right));
    t.replace(2, 6, "", faceFormat("Arial"));
    EXPECT_EQ(t.text(), "onwo");
    ASSERT_EQ(t.paragraphCount(), 1);
    EXPECT_EQ(t.paraFormat(0).alignment, alignment::Right);
}

TEST(RichText, SplittingAParagraphGivesBothHalvesItsFormat) {
    RichText t;
    t.append("onetwo", faceFormat("Arial"));
    t.setParaFormat(0, aligned(alignment::Center));
    t.replace(3, 3, "\r\n", faceFormat("Arial"));
    ASSERT_EQ(t.paragraphCount(), 2);
    EXPECT_EQ(t.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(t.paraFormat(1).alignment, alignment::Center);
}

TEST(RichText, ASliceInsertedBackGivesTheSameText) {
    RichText t;
    t.append("ab", faceFormat("Arial"));
    t.append("cd\r\nef", faceFormat("VriRomanPali CN"));
    t.setParaFormat(0, aligned(alignment::Right));
    const RichText piece = t.slice(1, 6);
    EXPECT_EQ(piece.text(), "bcd\r\n");
    EXPECT_EQ(piece.paragraphCount(), 2);
    RichText copy = t;
    copy.replace(1, 6, piece);
    EXPECT_EQ(copy, t);

    RichText other;
    other.replace(0, 0, piece);
    EXPECT_EQ(other.formatAt(0).faceName, "Arial");
    EXPECT_EQ(other.formatAt(1).faceName, "VriRomanPali CN");
    EXPECT_EQ(other.paraFormat(0).alignment, alignment::Right);
}

TEST(RichText, RunsCoverTheTextInMaximalStretches) {
    RichText t;
    t.append("aaa", faceFormat("A"));
    t.append("bb", faceFormat("B"));
    t.append("a", faceFormat("A"));
    std::vector<std::pair<long, long>> runs;
    t.forEachRun(0, t.length(), [&](const RichText::Run& r) { runs.emplace_back(r.start, r.end); });
    EXPECT_EQ(runs, (std::vector<std::pair<long, long>>{{0, 3}, {3, 5}, {5, 6}}));
}

TEST(RichText, ApplyFormatMergesOnlyTheMaskedFields) {
    RichText t;
    t.append("abc", faceFormat("Arial"));
    FontDescription bold;
    bold.mask = charmask::Bold;
    bold.effects = chareffect::Bold;
    t.applyFormat(1, 2, bold);
    EXPECT_EQ(t.formatAt(1).faceName, "Arial");
    EXPECT_TRUE(t.formatAt(1).effects & chareffect::Bold);
    EXPECT_FALSE(t.formatAt(0).effects & chareffect::Bold);
}

TEST(FaceName, IsCutAtThirtyOneCharacters) {
    const FaceName f(std::string(40, 'x'));
    EXPECT_EQ(f.size(), 31u);
    EXPECT_EQ(f.view(), std::string(31, 'x'));
}

}  // namespace
}  // namespace sorvel
