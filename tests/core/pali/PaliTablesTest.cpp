#include <gtest/gtest.h>

#include <set>

#include "pali/KeystrokeTables.h"
#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"

namespace sorvel {
namespace {

TEST(PaliLetters, IntermediateCodesAreSixAsciiCharactersInTheirShape) {
    std::set<std::string> codes;
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const std::string code = intermediateCode(letter);
        EXPECT_EQ(code.size(), 6u);
        EXPECT_TRUE(code.starts_with("[&P") && code.ends_with("]")) << code;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 21u);
    EXPECT_EQ(intermediateCode(1), "[&Paa]");
    EXPECT_EQ(intermediateCode(2), "[&PAa]");
    EXPECT_EQ(intermediateCode(13), "[&P1m]");
    EXPECT_EQ(intermediateCode(19), "[&P~N]");
}

TEST(PaliLetters, OnlyTheTwoFontsWithoutOverdotMShareACharacter) {
    for (const PaliFontKind kind : kPaliFonts) {
        std::set<uint8_t> chars;
        for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
            EXPECT_GE(fontCharacter(letter, kind), 128) << "letter " << letter;
            chars.insert(fontCharacter(letter, kind));
        }
        const bool sharesM = kind == PaliFontKind::VriRomanPali || kind == PaliFontKind::SktTimes;
        EXPECT_EQ(chars.size(), sharesM ? 20u : 21u) << paliFontName(kind);
        if (sharesM) {
            EXPECT_EQ(fontCharacter(11, kind), fontCharacter(13, kind));
        }
    }
}

TEST(PaliLetters, TimesNormanAndLeedsBitDifferOnlyInUnderdotT) {
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const bool same = fontCharacter(letter, PaliFontKind::TimesNorman) ==
                          fontCharacter(letter, PaliFontKind::LeedsBitPali);
        EXPECT_EQ(same, letter != 16) << "letter " << letter;
    }
    EXPECT_EQ(fontCharacter(16, PaliFontKind::TimesNorman), 160);
    EXPECT_EQ(fontCharacter(16, PaliFontKind::LeedsBitPali), 202);
}

TEST(KeystrokeTables, HoldTheCodesInOrderThenTheEndPairThenNothing) {
    for (const PaliFontKind kind : kPaliFonts) {
        const KeystrokeTable& table = keystrokeTable(kind);
        for (int i = 0; i < kKeystrokeCodeCount; ++i) {
            const KeystrokeCode& k = keystrokeCodes()[i];
            EXPECT_EQ(table[i].code, k.code);
            EXPECT_EQ(table[i].replacement, fontCharacterString(k.letterNumber, kind));
            EXPECT_NE(table[i].replacement, "EOA");
        }
        EXPECT_EQ(table[kKeystrokeCodeCount], endPair());
        for (int i = kKeystrokeCodeCount + 1; i < kKeystrokeTableSize; ++i) {
            EXPECT_TRUE(table[i].code.empty() && table[i].replacement.empty());
        }
    }
}

TEST(KeystrokeTables, NoCodeIsTheEndingOfAnother) {
    for (const KeystrokeCode& a : keystrokeCodes()) {
        for (const KeystrokeCode& b : keystrokeCodes()) {
            if (a.code != b.code) {
                EXPECT_FALSE(a.code.ends_with(b.code)) << a.code << " ends with " << b.code;
            }
        }
    }
}

struct OverdotMCase {
    const char* name;
    PaliFontKind kind;
    uint8_t overdotM;
    friend void PrintTo(const OverdotMCase& c, std::ostream* os) { *os << c.name; }
};

class OverdotM : public ::testing::TestWithParam<OverdotMCase> {};

TEST_P(OverdotM, BangMGivesTheFontsOverdotOrUnderdotM) {
    const KeystrokeTable& table = keystrokeTable(GetParam().kind);
    EXPECT_EQ(table[21].code, "!m");
    EXPECT_EQ(static_cast<uint8_t>(table[21].replacement[0]), GetParam().overdotM);
}

INSTANTIATE_TEST_SUITE_P(Fonts, OverdotM,
                         ::testing::Values(OverdotMCase{"Vri", PaliFontKind::VriRomanPali, 0xBD},
                                           OverdotMCase{"Csx", PaliFontKind::TimesCsxPlus, 0xA7},
                                           OverdotMCase{"Skt", PaliFontKind::SktTimes, 0xB5},
                                           OverdotMCase{"Norman", PaliFontKind::TimesNorman, 0xD7},
                                           OverdotMCase{"Leeds", PaliFontKind::LeedsBitPali, 0xD7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaliUnicode, LettersRoundTripThroughUnicode) {
    std::set<char32_t> seen;
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const char32_t c = paliLetterUnicode(letter);
        seen.insert(c);
        EXPECT_EQ(paliLetterOfUnicode(c), letter);
        EXPECT_EQ(paliFontByteOfUnicode(c, PaliFontKind::TimesCsxPlus),
                  fontCharacter(letter, PaliFontKind::TimesCsxPlus));
    }
    EXPECT_EQ(seen.size(), 21u);
    EXPECT_EQ(paliLetterOfUnicode(U'a'), 0);
    EXPECT_FALSE(paliFontByteOfUnicode(U'\u0101', PaliFontKind::NoPaliFont).has_value());
}

}  // namespace
}  // namespace sorvel
