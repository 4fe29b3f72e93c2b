#include <gtest/gtest.h>

#include "common/Cp1252.h"

namespace sorvel {
namespace {

TEST(Cp1252, EveryByteMapsToOneCharacterAndBack) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = Cp1252::toUnicode(static_cast<uint8_t>(b));
        const auto back = Cp1252::fromUnicode(c);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Cp1252, KnowsTheCharactersOfTheHighRow) {
    EXPECT_EQ(Cp1252::toUnicode(0x80), U'\u20AC');
    EXPECT_EQ(Cp1252::toUnicode(0x85), U'\u2026');
    EXPECT_EQ(Cp1252::toUnicode(0x9D), U'\u009D');
    EXPECT_EQ(Cp1252::toUnicode(0xA0), U'\u00A0');
    EXPECT_FALSE(Cp1252::fromUnicode(U'\u0101').has_value());
    EXPECT_FALSE(Cp1252::fromUnicode(U'\u0080').has_value());
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string bytes;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
};

class Utf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, DecodesToBytesWithQuestionMarksForTheRest) {
    EXPECT_EQ(Cp1252::fromUtf8(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8,
                         ::testing::Values(Utf8Case{"Ascii", "abc", "abc"},
                                           Utf8Case{"Latin1", "\xC3\xB1\xC2\xA0", "\xF1\xA0"},
                                           Utf8Case{"Euro", "\xE2\x82\xAC", "\x80"},
                                           Utf8Case{"NotInCodePage", "\xC4\x81x", "?x"},
                                           Utf8Case{"Astral", "\xF0\x9F\x98\x80", "?"},
                                           Utf8Case{"TruncatedSequence", "a\xE2\x82", "a??"},
                                           Utf8Case{"StrayContinuation", "\x80z", "?z"},
                                           Utf8Case{"Overlong", "\xC0\xAF", "??"},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", "???"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252, Utf8RoundTripOfAllBytes) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(bytes)), bytes);
}

}  // namespace
}  // namespace sorvel
