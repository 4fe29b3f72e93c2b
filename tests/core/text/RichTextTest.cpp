#include <gtest/gtest.h>

#include <random>

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

// Random edits against a model that keeps a format for every character:
// whatever the runs are cut and joined into, each character keeps the format
// the model gives it, and the runs stay maximal.
struct Model {
    std::string text;
    std::vector<FontDescription> formats;
};

void expectSame(const RichText& t, const Model& m, int step) {
    ASSERT_EQ(t.text(), m.text) << "step " << step;
    for (long i = 0; i < t.length(); ++i) {
        ASSERT_TRUE(t.formatAt(i) == m.formats[static_cast<std::size_t>(i)])
            << "step " << step << ", character " << i;
    }
    long covered = 0;
    const FontDescription* before = nullptr;
    t.forEachRun(0, t.length(), [&](const RichText::Run& r) {
        EXPECT_EQ(r.start, covered) << "step " << step;
        EXPECT_LT(r.start, r.end) << "step " << step;
        EXPECT_FALSE(before && *before == *r.format) << "step " << step << ": runs not joined";
        covered = r.end;
        before = r.format;
    });
    EXPECT_EQ(covered, t.length()) << "step " << step;
}

TEST(RichText, RandomEditsKeepEveryCharactersFormat) {
    const std::vector<FontDescription> faces = {faceFormat("A"), faceFormat("B"), faceFormat("C")};
    FontDescription bold;
    bold.mask = charmask::Bold;
    bold.effects = chareffect::Bold;
    FontDescription face;
    face.mask = charmask::Face;
    face.faceName = "B";
    const std::vector<FontDescription> deltas = {bold, face};

    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&random](long n) {
            return n <= 0 ? 0L : static_cast<long>(random() % static_cast<unsigned>(n + 1));
        };
        RichText t;
        Model m;
        for (int step = 0; step < 300; ++step) {
            long a = pick(static_cast<long>(m.text.size()));
            long b = pick(static_cast<long>(m.text.size()));
            if (a > b) {
                std::swap(a, b);
            }
            const auto at = static_cast<std::size_t>(a);
            const auto n = static_cast<std::size_t>(b - a);
            switch (random() % 4) {
                case 0: {  // type over a selection, or delete it
                    const std::string s(static_cast<std::size_t>(pick(4)), 'a' + step % 26);
                    FontDescription f = faces[random() % faces.size()];
                    f.mask = charmask::All;
                    t.replace(a, b, s, f);
                    m.text.replace(at, n, s);
                    m.formats.erase(m.formats.begin() + a, m.formats.begin() + b);
                    m.formats.insert(m.formats.begin() + a, s.size(), f);
                    break;
                }
                case 1: {  // format a selection
                    const FontDescription& d = deltas[random() % deltas.size()];
                    t.applyFormat(a, b, d);
                    for (long i = a; i < b; ++i) {
                        m.formats[static_cast<std::size_t>(i)].merge(d);
                    }
                    break;
                }
                case 2: {  // paste a piece of the text somewhere
                    const long c = pick(static_cast<long>(m.text.size()));
                    const RichText piece = t.slice(a, b);
                    const std::vector<FontDescription> pieceFormats(m.formats.begin() + a,
                                                                    m.formats.begin() + b);
                    const std::string pieceText = m.text.substr(at, n);
                    t.replace(c, c, piece);
                    m.text.insert(static_cast<std::size_t>(c), pieceText);
                    m.formats.insert(m.formats.begin() + c, pieceFormats.begin(),
                                     pieceFormats.end());
                    break;
                }
                default: {  // type at the end
                    const FontDescription& f = faces[random() % faces.size()];
                    t.append("xy", f);
                    m.text += "xy";
                    m.formats.insert(m.formats.end(), 2, f);
                    m.formats.back().mask = m.formats[m.formats.size() - 2].mask = charmask::All;
                    break;
                }
            }
            expectSame(t, m, step);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(FaceName, IsCutAtThirtyOneCharacters) {
    const FaceName f(std::string(40, 'x'));
    EXPECT_EQ(f.size(), 31u);
    EXPECT_EQ(f.view(), std::string(31, 'x'));
}

}  // namespace
}  // namespace sorvel
