#include <gtest/gtest.h>

#include <random>

#include "support/ReferenceConversion.h"
#include "support/TestView.h"
#include "translit/PaliFontConversion.h"

namespace sorvel::testing {
namespace {

using K = PaliFontKind;

constexpr K kAllKinds[] = {K::NoPaliFont,  K::VriRomanPali, K::TimesCsxPlus, K::SktTimes,
                           K::TimesNorman, K::LeedsBitPali, K::UserTableFont};

// Random strings biased towards what matters: letter bytes of every font,
// brackets and pieces of intermediate codes.
std::string randomText(std::mt19937& rng, std::size_t length) {
    static const std::string kPieces[] = {"[&P", "[&Paa]", "[&P1m]", "[&P.d", "]", "[", "&P"};
    std::string s;
    while (s.size() < length) {
        const unsigned r = rng() % 10;
        if (r < 2) {
            s += kPieces[rng() % std::size(kPieces)];
        } else if (r < 6) {
            s += static_cast<char>(128 + rng() % 128);
        } else {
            s += static_cast<char>(rng() % 128);
        }
    }
    return s;
}

TEST(ConvertPaliFontText, EqualsTheLetterByLetterStepsOnRandomText) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 400; ++round) {
        const std::string text = randomText(rng, rng() % 200);
        for (const K source : kAllKinds) {
            for (const K target : kAllKinds) {
                std::string fast = text;
                convertPaliFontText(fast, source, target);
                ASSERT_EQ(fast, referenceConvertPaliFontText(text, source, target))
                    << "from " << static_cast<int>(source) << " to " << static_cast<int>(target);
            }
        }
    }
}

TEST(ConvertPaliFontText, EveryLetterOfEveryFontReachesEveryOtherFont) {
    for (const K source : kPaliFonts) {
        for (const K target : kPaliFonts) {
            for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
                std::string text = "x" + fontCharacterString(letter, source) + "y";
                convertPaliFontText(text, source, target);
                // The shared m byte of the two fonts without overdot m reads as underdot m.
                const bool sharedM =
                    letter == 13 && fontCharacter(13, source) == fontCharacter(11, source);
                const int expected = sharedM ? 11 : letter;
                EXPECT_EQ(text, "x" + fontCharacterString(expected, target) + "y")
                    << "letter " << letter << " from " << paliFontName(source) << " to "
                    << paliFontName(target);
            }
        }
    }
}

struct ConversionCase {
    const char* name;
    std::string text;
    K source;
    K target;
    std::string expected;
    friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }
};

class ConvertPaliFontTextCases : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertPaliFontTextCases, Converts) {
    std::string text = GetParam().text;
    std::string& returned = convertPaliFontText(text, GetParam().source, GetParam().target);
    EXPECT_EQ(&returned, &text) << "converted in place and returned";
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertPaliFontTextCases,
    ::testing::Values(
        ConversionCase{"SameKindUnchanged", "Buddha\xBD \xB1", K::VriRomanPali, K::VriRomanPali,
                       "Buddha\xBD \xB1"},
        ConversionCase{"VriMToCsxIsUnderdotM", "\xBD", K::VriRomanPali, K::TimesCsxPlus, "\xFC"},
        ConversionCase{"SktMToNormanIsUnderdotM", "\xB5", K::SktTimes, K::TimesNorman, "\xB5"},
        ConversionCase{"CsxOverdotMToVri", "\xA7", K::TimesCsxPlus, K::VriRomanPali, "\xBD"},
        ConversionCase{"LeedsOverdotMToSkt", "\xD7", K::LeedsBitPali, K::SktTimes, "\xB5"},
        ConversionCase{"TypedCodeBecomesTheLetter", "[&Paa] [&P~N]", K::TimesNorman,
                       K::TimesCsxPlus, "\xE0 \xA5"},
        ConversionCase{"TypedCodeFromAnyFont", "[&P.d]", K::NoPaliFont, K::SktTimes, "\xF0"},
        ConversionCase{"UserTableSourceConvertsNothingButCodes", "\xB1[&Pii]", K::UserTableFont,
                       K::TimesCsxPlus, "\xB1\xE3"},
        ConversionCase{"UserTableTargetGetsCodes", "\xE0\xA7", K::TimesCsxPlus, K::UserTableFont,
                       "[&Paa][&P1m]"},
        ConversionCase{"OtherCharactersStay", "\"quote\" \x96 dash 123 \x93", K::VriRomanPali,
                       K::TimesCsxPlus, "\"quote\" \x96 dash 123 \x93"},
        ConversionCase{"BreaksStay", "\xB1\r\n\xB2", K::VriRomanPali, K::TimesNorman,
                       "\x8C\r\n\xB4"},
        ConversionCase{"CaseSurvives", "\xBE\xB1", K::VriRomanPali, K::LeedsBitPali, "\xEE\x8C"},
        ConversionCase{"BrokenCodesStay", "[&Pa] [&P] [&Pzz] [[&Paa]", K::VriRomanPali,
                       K::TimesCsxPlus, "[&Pa] [&P] [&Pzz] [\xE0"}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr std::string_view kNoSourceMessage =
    "Does the selected text use ANY Pali font? Please be certain that you have only selected "
    "text that uses a Pali font and that it uses only ONE of the Pali fonts.\n\nThe fonts "
    "supported are:\n\n1. VriRomanPali\n2. Times_CSX+\n3. SKT_Times\n4. LeedsBit "
    "PaliTranslit\n5. Times_Norman\n\n\nIf you wish to convert text that has no Pali special "
    "characters in it, you can just use the regular 'Choose a Font' button in the toolbar.";

constexpr std::string_view kNoTargetMessage =
    "You did not select a Pali font as your preferred font. Only the following Pali fonts have "
    "the Pali special characters.\n\nThe fonts supported are:\n\n1. VriRomanPali\n2. "
    "Times_CSX+\n3. SKT_Times\n4. LeedsBit PaliTranslit\n5. Times_Norman\n\n\nIf you wish to "
    "convert text that has no Pali special characters in it, you can just use the regular "
    "'Choose a Font' button in the toolbar.";

TEST(ConvertPaliFontOfSelection, ConvertsTheLettersAndAppliesTheChosenFont) {
    TestView v;
    v.setText(
        "Buddha\xBD sara\xBA"
        "a\xBD",
        "VriRomanPali CN");
    v.surface.setSel(0, -1);
    v.platform.expectFontDialog(fontChoice("Times_CSX+", 140), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.initial.faceName, "VriRomanPali CN");
        EXPECT_TRUE(r.offerStyle);
        EXPECT_TRUE(r.offerEffects);
    });
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(),
              "Buddha\xFC sara\xF5"
              "a\xFC");
    v.surface.setSel(0, -1);
    const FontDescription f = v.surface.getCharFormatSelection();
    EXPECT_EQ(f.faceName, "Times_CSX+");
    EXPECT_EQ(f.height, 280);
    ASSERT_TRUE(v.surface.canUndo());
    v.surface.undo();
    EXPECT_EQ(v.text(),
              "Buddha\xBD sara\xBA"
              "a\xBD")
        << "the text replacement is one undo step";
}

TEST(ConvertPaliFontOfSelection, RefusesTextInNoPaliFont) {
    TestView v;
    v.setText("aa", "Arial");
    v.surface.setSel(0, -1);
    v.platform.expectMessage(std::string(kNoSourceMessage));
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "aa");
}

TEST(ConvertPaliFontOfSelection, RefusesANonPaliTargetAndChangesNothing) {
    TestView v;
    v.setText("\xB1", "VriRomanPali CN");
    v.surface.setSel(0, -1);
    v.platform.expectFontDialog(fontChoice("Arial"));
    v.platform.expectMessage(std::string(kNoTargetMessage));
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "\xB1");
    v.surface.setSel(0, -1);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "VriRomanPali CN");
    EXPECT_FALSE(v.surface.getModify());
}

TEST(ConvertPaliFontOfSelection, CancelChangesNothing) {
    TestView v;
    v.setText("\xB1", "VriRomanPali CN");
    v.surface.setSel(0, -1);
    v.surface.setModify(false);
    v.platform.expectFontDialog(std::nullopt);
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "\xB1");
    EXPECT_FALSE(v.surface.getModify());
}

TEST(ConvertPaliFontOfSelection, AtACaretOnlyTheFontAtTheCaretChanges) {
    TestView v;
    v.setText("\xB1", "VriRomanPali CN");
    v.platform.expectFontDialog(fontChoice("Times_Norman"));
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "\xB1");
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Times_Norman");
}

TEST(ConvertPaliFontOfSelection, TheUserTablesFontIsASourceAndATarget) {
    TestView v;
    v.state.userTableFont = "Arial";
    v.setText("\xE0[&P.d]", "Arial Narrow");
    v.surface.setSel(0, -1);
    v.platform.expectFontDialog(fontChoice("Times_CSX+"));
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "\xE0\xF3") << "no source letters, only the typed code";

    v.surface.setSel(0, -1);
    v.platform.expectFontDialog(fontChoice("Arial"));
    convertPaliFontOfSelection(v.view);
    EXPECT_EQ(v.text(), "[&Paa][&P.d]");
}

}  // namespace
}  // namespace sorvel::testing
