#include <gtest/gtest.h>

#include "common/Utf8.h"
#include "pali/PaliComposition.h"
#include "unicode/UnicodeText.h"

namespace sorvel {
namespace {

struct ComposeCase {
    const char* name;
    std::u32string in;
    std::u32string out;
    friend void PrintTo(const ComposeCase& c, std::ostream* os) { *os << c.name; }
};

class Composition : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Composition, ComposesExactlyThePaliLetters) {
    EXPECT_EQ(PaliComposition::compose(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Composition,
    ::testing::Values(
        ComposeCase{"Macron", U"a\u0304A\u0304i\u0304I\u0304u\u0304U\u0304",
                    U"\u0101\u0100\u012B\u012A\u016B\u016A"},
        ComposeCase{"DotBelow",
                    U"d\u0323D\u0323l\u0323L\u0323m\u0323M\u0323n\u0323N\u0323t\u0323T\u0323",
                    U"\u1E0D\u1E0C\u1E37\u1E36\u1E43\u1E42\u1E47\u1E46\u1E6D\u1E6C"},
        ComposeCase{"DotAboveAndTilde", U"m\u0307n\u0307N\u0307n\u0303N\u0303",
                    U"\u1E41\u1E45\u1E44\u00F1\u00D1"},
        // No capital overdot M among the letters; e with macron is no Pali letter.
        ComposeCase{"NotPaliStaysDecomposed", U"M\u0307e\u0304", U"M\u0307e\u0304"},
        ComposeCase{"MarkWithoutBase", U"\u0304a", U"\u0304a"},
        ComposeCase{"OnlyTheFirstMarkJoins", U"a\u0304\u0304", U"\u0101\u0304"},
        ComposeCase{"PrecomposedUntouched", U"\u0101\u1E43 plain", U"\u0101\u1E43 plain"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnicodeText, DecomposedPaliGoesIntoTheFontAsLetters) {
    const UnicodeText::FontText t = UnicodeText::toFont(
        U"Buddham\u0323 saran\u0323am\u0323 gaccha\u0304mi", PaliFontKind::TimesCsxPlus);
    EXPECT_TRUE(t.report.empty());
    EXPECT_EQ(t.bytes,
              "Buddha\xFC sara\xF5"
              "a\xFC gacch\xE0mi");
}

TEST(UnicodeText, BreaksOfEveryKindBecomeCrLfAndALeadingByteOrderMarkGoes) {
    const UnicodeText::FontText t = UnicodeText::utf8ToFont(
        "\xEF\xBB\xBF"
        "a\nb\r\nc\rd\xE2\x80\xA8"
        "e\xE2\x80\xA9"
        "f",
        PaliFontKind::VriRomanPali);
    EXPECT_TRUE(t.report.empty());
    EXPECT_EQ(t.bytes, "a\r\nb\r\nc\r\nd\r\ne\r\nf");
}

TEST(UnicodeText, WhatTheFontCannotShowIsReportedWithItsPlace) {
    // "±" is long a's byte in VriRomanPali; alpha and the euro sign's
    // neighbour U+20AD are in no 8-bit font here; a combining mark that makes
    // no letter stays a mark. Columns count composed characters.
    const UnicodeText::FontText t = UnicodeText::toFont(U"a\u0304\u03B1b\r\n\u00B1\nx\u20ADe\u0301",
                                                        PaliFontKind::VriRomanPali, '#');
    EXPECT_EQ(t.bytes, "\xB1#b\r\n#\r\nx#e#");
    ASSERT_EQ(t.report.count(), 4);
    const std::vector<UnicodeReport::Character> expected = {
        {U'\u03B1', 1, 2}, {U'\u00B1', 2, 1}, {U'\u20AD', 3, 2}, {U'\u0301', 3, 4}};
    EXPECT_EQ(t.report.listed(), expected);
    EXPECT_EQ(t.report.describe("VriRomanPali CN", 2),
              "4 characters that VriRomanPali CN cannot show: U+03B1 \"\xCE\xB1\" at line 1, "
              "column 2; U+00B1 \"\xC2\xB1\" at line 2, column 1; and 2 more");
}

TEST(UnicodeText, MalformedUtf8IsReportedNotDropped) {
    const UnicodeText::FontText t = UnicodeText::utf8ToFont("ok\xC3(", PaliFontKind::SktTimes);
    EXPECT_EQ(t.bytes, "ok?(");
    ASSERT_EQ(t.report.count(), 1);
    EXPECT_EQ(t.report.listed()[0], (UnicodeReport::Character{Utf8::kReplacement, 1, 3}));
}

TEST(UnicodeText, TheReportCountsAllButListsAThousand) {
    const UnicodeText::FontText t =
        UnicodeText::toFont(std::u32string(1500, U'\u4E2D'), PaliFontKind::TimesNorman);
    EXPECT_EQ(t.report.count(), 1500);
    EXPECT_EQ(t.report.listed().size(), UnicodeReport::kMaxListed);
    EXPECT_EQ(t.bytes, std::string(1500, '?'));
}

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::optional<std::size_t> malformedAt;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, FindsTheFirstMalformedByte) {
    EXPECT_EQ(Utf8::firstMalformed(GetParam().bytes), GetParam().malformedAt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Validity,
    ::testing::Values(Utf8Case{"Ascii", "plain", std::nullopt},
                      Utf8Case{"PaliLetters", "\xC4\x81\xE1\xB9\x83", std::nullopt},
                      Utf8Case{"ReplacementCharacterWrittenOut", "a\xEF\xBF\xBD", std::nullopt},
                      Utf8Case{"Latin1Byte", "caf\xE9!", 3}, Utf8Case{"Overlong", "a\xC0\xAF", 1},
                      Utf8Case{"Surrogate", "ab\xED\xA0\x80", 2},
                      Utf8Case{"Truncated", "ab\xE1\xB9", 2},
                      Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
