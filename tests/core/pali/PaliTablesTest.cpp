#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

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

// Each letter's byte in VriRomanPali, Times_CSX+, SKT_Times, Times_Norman and
// LeedsBit, written out here as the fonts define them.
constexpr uint8_t kLetterBytes[kPaliLetterCount][5] = {
    {177, 224, 230, 140, 140}, {190, 226, 198, 238, 238}, {178, 227, 248, 180, 180},
    {191, 228, 216, 231, 231}, {179, 229, 254, 232, 232}, {208, 230, 222, 242, 242},
    {185, 243, 240, 182, 182}, {222, 244, 208, 223, 223}, {188, 235, 185, 194, 194},
    {253, 236, 161, 226, 226}, {189, 252, 181, 181, 181}, {254, 253, 186, 200, 200},
    {189, 167, 181, 215, 215}, {186, 245, 188, 246, 246}, {240, 246, 164, 239, 239},
    {181, 241, 165, 160, 202}, {221, 242, 191, 233, 233}, {241, 164, 241, 150, 150},
    {209, 165, 209, 132, 132}, {170, 239, 179, 186, 186}, {169, 240, 163, 220, 220},
};

TEST(PaliLetters, EachFontPlacesEachLetterAtItsByte) {
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        for (std::size_t f = 0; f < kPaliFonts.size(); ++f) {
            EXPECT_EQ(fontCharacter(letter, kPaliFonts[f]), kLetterBytes[letter - 1][f])
                << "letter " << letter << " in " << paliFontName(kPaliFonts[f]);
        }
    }
}

TEST(KeystrokeTables, HoldTheCodesInOrderThenTheEndPairThenNothing) {
    // The 34 codes in the order the tables walk them, with the letter each gives.
    const std::vector<std::pair<std::string, int>> codes = {
        {"aa", 1},  {"Aa", 2},   {"AA", 2},   {"ii", 3},  {"Ii", 4},   {"II", 4},  {"uu", 5},
        {"Uu", 6},  {"UU", 6},   {".d", 7},   {"ddd", 7}, {".D", 8},   {"DDD", 8}, {".l", 9},
        {"lll", 9}, {".L", 10},  {"LLL", 10}, {".m", 11}, {"mmm", 11}, {".M", 12}, {"MMM", 12},
        {"!m", 13}, {".t", 16},  {"ttt", 16}, {".T", 17}, {"TTT", 17}, {".n", 14}, {"nnn", 14},
        {".N", 15}, {"NNN", 15}, {"!n", 20},  {"!N", 21}, {"~n", 18},  {"~N", 19},
    };
    ASSERT_EQ(codes.size(), static_cast<std::size_t>(kKeystrokeCodeCount));
    for (std::size_t f = 0; f < kPaliFonts.size(); ++f) {
        const KeystrokeTable& table = keystrokeTable(kPaliFonts[f]);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const auto& [code, letter] = codes[i];
            EXPECT_EQ(table[i].code, code);
            EXPECT_EQ(table[i].replacement,
                      std::string(1, static_cast<char>(kLetterBytes[letter - 1][f])))
                << code << " in " << paliFontName(kPaliFonts[f]);
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
