#include <gtest/gtest.h>

#include "common/Cp1252.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"
#include "unicode/UnicodeText.h"

namespace sorvel {
namespace {

// The letters as the issue lists them, written out here rather than taken
// from the tables under test.
const std::u32string kLettersInOrder =
    U"\u0101\u0100\u012B\u012A\u016B\u016A\u1E0D\u1E0C\u1E37\u1E36\u1E43\u1E42\u1E41\u1E47\u1E46"
    U"\u1E6D\u1E6C\u00F1\u00D1\u1E45\u1E44";

struct FontCase {
    const char* name;
    PaliFontKind kind;
    bool sharedM;  // one byte for both dotted m's
    friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }
};

class EveryPaliFont : public ::testing::TestWithParam<FontCase> {
  protected:
    // "Buddh" + each letter in order, separated by blanks, in the font.
    static std::string allLetters(PaliFontKind kind) {
        std::string s = "Buddh";
        for (int n = 1; n <= kPaliLetterCount; ++n) {
            s += static_cast<char>(fontCharacter(n, kind));
            s += ' ';
        }
        return s;
    }
};

TEST_P(EveryPaliFont, LettersBecomeTheUnicodeLettersAndComeBackAsTheSameBytes) {
    const FontCase& c = GetParam();
    const std::string bytes = allLetters(c.kind);
    for (const bool overdotM : {false, true}) {
        SCOPED_TRACE(overdotM ? "overdot m" : "underdot m");
        const std::u32string unicode = UnicodeText::fromFont(bytes, c.kind, overdotM);
        std::u32string expected = U"Buddh";
        for (std::size_t i = 0; i < kLettersInOrder.size(); ++i) {
            char32_t letter = kLettersInOrder[i];
            // Letters 11 and 13 share a byte: it reads as the one the option says.
            if (c.sharedM && (i == 10 || i == 12)) {
                letter = overdotM ? U'\u1E41' : U'\u1E43';
            }
            expected += letter;
            expected += U' ';
        }
        EXPECT_EQ(unicode, expected);
        const UnicodeText::FontText back = UnicodeText::toFont(unicode, c.kind);
        EXPECT_TRUE(back.report.empty()) << back.report.describe(c.name);
        EXPECT_EQ(back.bytes, bytes);
    }
}

TEST_P(EveryPaliFont, BothDottedMsGoToTheirOwnBytesOrTheSharedOne) {
    const FontCase& c = GetParam();
    const std::string back = UnicodeText::toFont(U"\u1E43\u1E41", c.kind).bytes;
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0] == back[1], c.sharedM);
    EXPECT_EQ(static_cast<uint8_t>(back[1]), fontCharacter(13, c.kind));
}

TEST_P(EveryPaliFont, EveryByteSurvivesFontToUnicodeToFontOnceInTheFontsOwnForm) {
    // A byte that is no letter is its Windows-1252 character; where that
    // character is a letter the font keeps elsewhere (tilde n at 241 in
    // Times_Norman, whose tilde n is 150), it comes back as the letter's byte.
    // After that one step the bytes are stable.
    const FontCase& c = GetParam();
    const PaliCharMap& map = PaliCharMap::of(c.kind);
    for (int b = 0; b < 256; ++b) {
        const char32_t ch = map.toUnicode(static_cast<uint8_t>(b));
        const std::optional<uint8_t> back = map.toByte(ch);
        ASSERT_TRUE(back.has_value()) << b;
        if (*back != b) {
            EXPECT_TRUE(ch == U'\u00F1' || ch == U'\u00D1') << b;
            EXPECT_EQ(map.toUnicode(*back), ch);
        }
    }
}

TEST_P(EveryPaliFont, Windows1252CharactersAtLetterBytesCannotBeShown) {
    const FontCase& c = GetParam();
    const PaliCharMap& map = PaliCharMap::of(c.kind);
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        const uint8_t byte = fontCharacter(n, c.kind);
        const char32_t ordinary = Cp1252::toUnicode(byte);
        if (paliLetterOfUnicode(ordinary) == 0) {
            EXPECT_FALSE(map.toByte(ordinary).has_value()) << "byte " << int{byte};
        }
    }
    EXPECT_EQ(map.toByte(U'a'), 'a');
    EXPECT_EQ(map.toByte(U'\u20AC'), 0x80);  // the euro sign, a byte no font uses for a letter
    EXPECT_FALSE(map.toByte(U'\u03B1').has_value());
    EXPECT_FALSE(map.toByte(U'\u1E40').has_value());  // capital overdot M is no Pali letter
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, EveryPaliFont,
    ::testing::Values(FontCase{"VriRomanPali", PaliFontKind::VriRomanPali, true},
                      FontCase{"TimesCsxPlus", PaliFontKind::TimesCsxPlus, false},
                      FontCase{"SktTimes", PaliFontKind::SktTimes, true},
                      FontCase{"TimesNorman", PaliFontKind::TimesNorman, false},
                      FontCase{"LeedsBitPali", PaliFontKind::LeedsBitPali, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaliCharMap, AnyOtherFontIsWindows1252BothWays) {
    for (const PaliFontKind kind : {PaliFontKind::NoPaliFont, PaliFontKind::UserTableFont}) {
        const PaliCharMap& map = PaliCharMap::of(kind);
        for (int b = 0; b < 256; ++b) {
            EXPECT_EQ(map.toUnicode(static_cast<uint8_t>(b)),
                      Cp1252::toUnicode(static_cast<uint8_t>(b)));
            EXPECT_EQ(map.toByte(map.toUnicode(static_cast<uint8_t>(b))), b);
        }
        EXPECT_FALSE(map.toByte(U'\u0101').has_value());
    }
}

TEST(PaliCharMap, TheOneLetterWhereTimesNormanAndLeedsBitDiffer) {
    EXPECT_EQ(PaliCharMap::of(PaliFontKind::TimesNorman).toUnicode(0xA0), U'\u1E6D');
    EXPECT_EQ(PaliCharMap::of(PaliFontKind::LeedsBitPali).toUnicode(0xA0), U'\u00A0');
    EXPECT_EQ(PaliCharMap::of(PaliFontKind::LeedsBitPali).toUnicode(0xCA), U'\u1E6D');
    EXPECT_EQ(PaliCharMap::of(PaliFontKind::TimesNorman).toUnicode(0xCA), U'\u00CA');
}

}  // namespace
}  // namespace sorvel
