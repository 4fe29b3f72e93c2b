#include <gtest/gtest.h>

#include "support/TestView.h"
#include "translit/StandardConversion.h"

namespace sorvel::testing {
namespace {

using K = PaliFontKind;

struct StandardCase {
    const char* name;
    std::string text;
    K kind;
    std::string expected;
    friend void PrintTo(const StandardCase& c, std::ostream* os) { *os << c.name; }
};

class StandardToPali : public ::testing::TestWithParam<StandardCase> {};

TEST_P(StandardToPali, Converts) {
    EXPECT_EQ(standardToPaliText(GetParam().text, GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StandardToPali,
    ::testing::Values(
        StandardCase{"Refuge", "Buddha.m sara.na.m gacchaami", K::VriRomanPali,
                     "Buddha\xBD sara\xBA"
                     "a\xBD gacch\xB1mi"},
        StandardCase{"QuoteNInsideAWord", "sa\"ngha", K::TimesCsxPlus, "sa\xEFgha"},
        StandardCase{"OpeningQuoteKept", "the \"namo\" line", K::TimesCsxPlus, "the \"namo\" line"},
        StandardCase{"QuoteAtTheStartIsOverdot", "\"na", K::TimesCsxPlus,
                     "\xEF"
                     "a"},
        StandardCase{"QuoteAfterABreakIsOverdot", "x\r\n\"N", K::TimesCsxPlus, "x\r\n\xF0"},
        StandardCase{"BangIsSimplePaliEntry", "sa!ngha", K::TimesCsxPlus, "sa\xEFgha"},
        StandardCase{"QuoteBigMHasNoLetter", "\"M", K::TimesCsxPlus, "!M"},
        StandardCase{"Hmmm", "Hmmm", K::VriRomanPali, "H\xBD"},
        StandardCase{"CapitalAThenTwoSmall", "Aaa", K::VriRomanPali, "A\xB1"},
        StandardCase{"SimplePaliEntryCodes", "ddd DDD !m", K::TimesCsxPlus, "\xF3 \xF4 \xA7"},
        StandardCase{"QuoteMInVriIsUnderdotM", "a\"m", K::VriRomanPali, "a\xBD"},
        StandardCase{"NoPaliFontOnlyRewritesQuotes", "aa sa\"ngha \"n", K::NoPaliFont,
                     "aa sa!ngha \"n"},
        StandardCase{"TypedGuardTextStays", " /&n", K::TimesCsxPlus, " \"n"}),
    [](const auto& info) { return std::string(info.param.name); });

class PaliToStandard : public ::testing::TestWithParam<StandardCase> {};

TEST_P(PaliToStandard, Converts) {
    EXPECT_EQ(paliToStandardText(GetParam().text, GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaliToStandard,
    ::testing::Values(
        StandardCase{"Refuge",
                     "Buddha\xBD sara\xBA"
                     "a\xBD gacch\xB1mi",
                     K::VriRomanPali, "Buddha.m sara.na.m gacchaami"},
        StandardCase{"OverdotsAsQuotes", "\xEF\xF0\xA7", K::TimesCsxPlus, "\"n\"N\"m"},
        StandardCase{"SharedMIsUnderdotInVri", "\xBD", K::VriRomanPali, ".m"},
        StandardCase{"BangsInTheTextBecomeQuotes", "!n !N !m !M !x", K::NoPaliFont,
                     "\"n \"N \"m \"M !x"},
        StandardCase{"OtherFontsLettersByTheDefaultsTable", "\xE0\xB1", K::VriRomanPali,
                     "\xE0"
                     "aa"},
        StandardCase{"FirstCodeWins", "\xBE\xBF\xD0\xB9", K::VriRomanPali, "AaIiUu.d"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StandardConversion, RoundTripGivesEachLetterItsFirstCode) {
    for (const K kind : kPaliFonts) {
        const bool sharedM = kind == K::VriRomanPali || kind == K::SktTimes;
        EXPECT_EQ(paliToStandardText(standardToPaliText("AA ddd !m", kind), kind),
                  sharedM ? "Aa .d .m" : "Aa .d \"m")
            << paliFontName(kind);
    }
}

constexpr std::string_view kNothingSelected =
    "You did not select any text to convert! Please select some text.";

TEST(StandardConversion, AnEmptySelectionIsRefused) {
    TestView v;
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    v.setText("aa", "Arial");
    v.platform.expectMessage(std::string(kNothingSelected));
    standardToPaliFont(v.view);
    v.platform.expectMessage(std::string(kNothingSelected));
    paliFontToStandard(v.view);
    EXPECT_EQ(v.text(), "aa");
}

TEST(StandardConversion, StandardToPaliAppliesTheDefaultFontToTheWholeSelection) {
    TestView v;
    v.state.defaultPaliFormat = face("Times_CSX+");
    v.setText("xx ~na.na yy", "Arial");
    v.surface.setSel(3, 9);
    standardToPaliFont(v.view);
    EXPECT_EQ(v.text(),
              "xx \xA4"
              "a\xF5"
              "a yy");
    v.surface.setSel(3, 7);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Times_CSX+");
    v.surface.setSel(0, 3);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Arial");
    EXPECT_TRUE(v.surface.canUndo()) << "the conversion is one step of undo";
}

TEST(StandardConversion, PaliToStandardKeepsTheFont) {
    TestView v;
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    v.setText("\xB1\xB9", "VriRomanPali CB");
    v.surface.setSel(0, -1);
    paliFontToStandard(v.view);
    EXPECT_EQ(v.text(), "aa.d");
    v.surface.setSel(0, -1);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "VriRomanPali CB");
}

constexpr std::string_view kChooseOneOfFive =
    "Please be certain to choose one of the five Pali fonts that Sorvel understands.\n\nThese "
    "are:\n\n1. VriRomanPali\n2. Times_CSX+\n3. Skt Times\n4. Leedsbit PaliTranslit\n5. "
    "Times_Norman\n\nThis font will only be active if you have Pali transliteration turned on. "
    "There is a toolbar button you can use to turn Pali on and off at any time (or you can use "
    "Ctrl+J to turn it on and off).";

TEST(StandardConversion, WithoutADefaultFontTheDialogComesFirst) {
    TestView v;
    v.setText("aa", "Arial");
    v.surface.setSel(0, -1);
    v.platform.expectMessage(std::string(kChooseOneOfFive));
    v.platform.expectFontDialog(fontChoice("Times_Norman"));
    standardToPaliFont(v.view);
    EXPECT_EQ(v.state.defaultPaliFormat.faceName, "Times_Norman");
    EXPECT_EQ(v.text(), "\x8C");
}

TEST(StandardConversion, ACancelledDialogGoesOnWithTheSelectionsOwnFont) {
    TestView v;
    v.setText("\xB1", "VriRomanPali CN");
    v.surface.setSel(0, -1);
    v.platform.expectMessage(std::string(kChooseOneOfFive));
    v.platform.expectFontDialog(std::nullopt);
    paliFontToStandard(v.view);
    EXPECT_EQ(v.state.defaultPaliFormat.faceName, "VriRomanPali CN");
    EXPECT_EQ(v.text(), "aa");

    TestView w;
    w.setText("aa \"n", "Arial");
    w.surface.setSel(0, -1);
    w.platform.expectMessage(std::string(kChooseOneOfFive));
    w.platform.expectFontDialog(std::nullopt);
    standardToPaliFont(w.view);
    EXPECT_EQ(w.text(), "aa \"n")
        << "no Pali font: only the quote rewrite, and this one is guarded";
}

TEST(StandardConversion, ADefaultPaliFontIsNeverTakenForTheUserTablesFont) {
    TestView v;
    v.state.userTableFont = "VriRomanPali";
    v.state.defaultPaliFormat = face("VriRomanPali CN");
    v.setText("aa", "Arial");
    v.surface.setSel(0, -1);
    standardToPaliFont(v.view);
    EXPECT_EQ(v.text(), "\xB1");
}

}  // namespace
}  // namespace sorvel::testing
