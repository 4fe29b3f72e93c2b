#include <gtest/gtest.h>

#include "support/TestView.h"
#include "translit/KeyRelease.h"

namespace sorvel::testing {
namespace {

struct TypingCase {
    const char* name;
    std::string face;
    std::string before;  // text already there, caret at its end
    std::string keys;    // each character typed and released in turn
    std::string expected;
    friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }
};

class PaliTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(PaliTyping, ReplacesTheCodeBeforeTheCaretOnRelease) {
    TestView v;
    v.state.paliEntryOn = true;
    v.setText(GetParam().before, GetParam().face);
    v.type(GetParam().keys);
    EXPECT_EQ(v.text(), GetParam().expected);
    EXPECT_EQ(v.surface.getSel().start, v.surface.getTextLength());
    EXPECT_EQ(v.platform.cursorCount(), 0) << "every hide of the pointer has its show";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaliTyping,
    ::testing::Values(TypingCase{"DotD", "VriRomanPali CN", "", ".d", "\xB9"},
                      TypingCase{"TripleD", "VriRomanPali CN", "", "ddd", "\xB9"},
                      TypingCase{"TwoDsStay", "VriRomanPali CN", "", "dd", "dd"},
                      TypingCase{"CapitalAThenSmall", "VriRomanPali CN", "", "Aa", "\xBE"},
                      TypingCase{"CapitalACapitalA", "VriRomanPali CN", "", "AA", "\xBE"},
                      TypingCase{"SmallThenCapitalIsNoCode", "VriRomanPali CN", "", "aA", "aA"},
                      TypingCase{"PlainFontUntouched", "Times New Roman", "", "aa .d", "aa .d"},
                      TypingCase{"BangMInCsx", "Times_CSX+", "", "!m", "\xA7"},
                      TypingCase{"BangMInVri", "VriRomanPali CN", "", "!m", "\xBD"},
                      TypingCase{"BangMInSkt", "SKT Times", "", "!m", "\xB5"},
                      TypingCase{"QuoteNIsNoCode", "VriRomanPali CN", "", "\"namo\"", "\"namo\""},
                      TypingCase{"EndCodeStays", "VriRomanPali CN", "", "EOA", "EOA"},
                      TypingCase{"NotAcrossABreak", "VriRomanPali CN", "a", "\r\na", "a\r\na"},
                      TypingCase{"NotAcrossABreakDot", "VriRomanPali CN", ".", "\r\nd", ".\r\nd"},
                      TypingCase{"AfterABreak", "VriRomanPali CN", "x\r\n", "aa", "x\r\n\xB1"},
                      TypingCase{"UnderdotTInNorman", "Times_Norman", "", ".t", "\xA0"},
                      TypingCase{"UnderdotTInLeeds", "LeedsBit PaliTranslit", "", ".t", "\xCA"},
                      TypingCase{"Sentence", "VriRomanPali CN", "", "Buddha.m sara.na.m gacchaami",
                                 "Buddha\xBD sara\xBA"
                                 "a\xBD gacch\xB1mi"},
                      TypingCase{"TildeAndOverdot", "Times_CSX+", "", "sa!ngha ~na.na",
                                 "sa\xEFgha \xA4"
                                 "a\xF5"
                                 "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyRelease, AHeldKeyIsLookedAtOnceWhenReleased) {
    TestView v;
    v.state.paliEntryOn = true;
    v.setText("", "VriRomanPali CN");
    v.surface.replaceSel("ddddd", false);  // five repeats, one release
    handleKeyRelease(v.view);
    EXPECT_EQ(v.text(), "dd\xB9");
}

TEST(KeyRelease, MovingTheCaretOntoACodeReplacesItAtTheRelease) {
    TestView v;
    v.setText("xaay", "VriRomanPali CN");
    v.state.paliEntryOn = true;
    v.surface.setSel(3, 3);  // an arrow key moved the caret just after "aa"
    handleKeyRelease(v.view);
    EXPECT_EQ(v.text(), "x\xB1y");
    EXPECT_EQ(v.surface.defaultCalls(), 1);
}

TEST(KeyRelease, NothingHappensWithTextSelected) {
    TestView v;
    v.setText("aa", "VriRomanPali CN");
    v.state.paliEntryOn = true;
    v.surface.setSel(0, 2);
    handleKeyRelease(v.view);
    EXPECT_EQ(v.text(), "aa");
    EXPECT_EQ(v.platform.cursorHides(), 0);
    EXPECT_EQ(v.surface.defaultCalls(), 1);
}

TEST(KeyRelease, NothingHappensWithBothModesOff) {
    TestView v;
    v.setText("aa", "VriRomanPali CN");
    handleKeyRelease(v.view);
    EXPECT_EQ(v.text(), "aa");
    EXPECT_EQ(v.platform.cursorHides(), 0);
    EXPECT_EQ(v.surface.defaultCalls(), 1);
}

TEST(KeyRelease, ACaretAtOneTestsNoLongerCode) {
    TestView v;
    v.state.paliEntryOn = true;
    v.setText("", "VriRomanPali CN");
    v.type("a");
    EXPECT_EQ(v.text(), "a");
}

TEST(KeyRelease, TheReplacementKeepsTheFontAtTheCaret) {
    TestView v;
    v.state.paliEntryOn = true;
    v.setText("", "VriRomanPali CB");
    v.type(".d");
    v.surface.setSel(0, 1);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "VriRomanPali CB");
    EXPECT_FALSE(v.surface.canUndo()) << "keystroke replacements are not recorded for undo";
}

// The user table of these tests, closed by the end pair.
void setUserTable(TransliterationState& state, std::string font, std::vector<CodePair> pairs) {
    state.userTableFont = std::move(font);
    std::size_t i = 0;
    for (CodePair& p : pairs) {
        state.userTable[i++] = std::move(p);
    }
    state.userTable[i] = endPair();
}

struct UserCase {
    const char* name;
    std::string tableFont;
    std::vector<CodePair> table;
    bool userOn;
    bool paliOn;
    std::string face;
    std::string keys;
    std::string expected;
    friend void PrintTo(const UserCase& c, std::ostream* os) { *os << c.name; }
};

class UserTableTyping : public ::testing::TestWithParam<UserCase> {};

TEST_P(UserTableTyping, FollowsTheTableOfTheFontAtTheCaret) {
    TestView v;
    setUserTable(v.state, GetParam().tableFont, GetParam().table);
    v.state.userTableOn = GetParam().userOn;
    v.state.paliEntryOn = GetParam().paliOn;
    v.setText("", GetParam().face);
    v.type(GetParam().keys);
    EXPECT_EQ(v.text(), GetParam().expected);
    EXPECT_EQ(v.platform.cursorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserTableTyping,
    ::testing::Values(
        UserCase{"SlashO", "Arial", {{"/o", "\xF8"}}, true, false, "Arial", "/o", "\xF8"},
        UserCase{"OnlyInTheTablesFont",
                 "Arial",
                 {{"/o", "\xF8"}},
                 true,
                 false,
                 "Times New Roman",
                 "/o",
                 "/o"},
        UserCase{"FaceBeginningWithTheTableFont",
                 "Times New Roman",
                 {{"aa", "X"}},
                 true,
                 false,
                 "Times New Roman Bold",
                 "aa",
                 "X"},
        UserCase{"TableOff", "Arial", {{"/o", "\xF8"}}, false, false, "Arial", "/o", "/o"},
        UserCase{"TableFontTakesAPaliFontFromTheBuiltInCodes",
                 "VriRomanPali",
                 {{"/o", "\xF8"}},
                 false,
                 true,
                 "VriRomanPali CN",
                 "aa.d/o",
                 "aa.d/o"},
        UserCase{"PaliEntryStillServesOtherPaliFonts",
                 "VriRomanPali",
                 {{"/o", "\xF8"}},
                 true,
                 true,
                 "Times_CSX+",
                 "aa",
                 "\xE0"},
        UserCase{"EmptyCodeInsertsAtEveryRelease",
                 "Arial",
                 {{"", "*"}},
                 true,
                 false,
                 "Arial",
                 "ab",
                 "a*b*"},
        UserCase{"EmptyReplacementDeletesTheCode",
                 "Arial",
                 {{"xx", ""}},
                 true,
                 false,
                 "Arial",
                 "axxb",
                 "ab"},
        UserCase{"LongCode",
                 "Arial",
                 {{"Capital O slash", "\xD8"}},
                 true,
                 false,
                 "Arial",
                 "Capital O slash!",
                 "\xD8!"},
        // One code ends another: after the first replacement the text is read
        // again, so the second pair sees what is there now.
        UserCase{"LaterPairSeesTheNewText",
                 "Arial",
                 {{"o", "0"}, {"/0", "\xF8"}},
                 true,
                 false,
                 "Arial",
                 "/o",
                 "\xF8"},
        UserCase{"LaterPairDoesNotSeeStaleText",
                 "Arial",
                 {{"/o", "\xF8"}, {"o", "0"}},
                 true,
                 false,
                 "Arial",
                 "/o",
                 "\xF8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyRelease, AnEmptyUserTableStillHidesAndShowsThePointer) {
    TestView v;
    v.state.userTableFont = "Arial";
    v.state.userTableOn = true;
    v.setText("abc", "Arial");
    handleKeyRelease(v.view);
    EXPECT_EQ(v.text(), "abc");
    EXPECT_EQ(v.platform.cursorHides(), 1);
    EXPECT_EQ(v.platform.cursorCount(), 0);
}

// A surface that tells how much of the text the key release reads.
class ReadCountingSurface : public MemorySurface {
  public:
    std::string getWindowText() const override {
        ++wholeReads;
        return MemorySurface::getWindowText();
    }
    std::string getTextRange(long start, long end) const override {
        longestRange = std::max(longestRange, end - start);
        return MemorySurface::getTextRange(start, end);
    }
    mutable int wholeReads = 0;
    mutable long longestRange = 0;
};

TEST(KeyRelease, ReadsOnlyAsMuchAsTheLongestCodeBeforeTheCaret) {
    ReadCountingSurface surface;
    ScriptedPlatform platform;
    TransliterationState state;
    state.paliEntryOn = true;
    ViewContext view{surface, platform, state};
    RichText doc(face("VriRomanPali CN"));
    doc.append(std::string(100000, 'x'), face("VriRomanPali CN"));
    surface.setDocument(doc);
    surface.setSel(100000, 100000);
    surface.replaceSel("ddd", false);
    handleKeyRelease(view);
    EXPECT_EQ(surface.wholeReads, 0);
    EXPECT_LE(surface.longestRange, 3);
    EXPECT_EQ(surface.getTextRange(99990, 200000), "xxxxxxxxxx\xB9");
}

}  // namespace
}  // namespace sorvel::testing
