#include <gtest/gtest.h>

#include "pali/TextReplace.h"

namespace sorvel {
namespace {

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string from;
    std::string to;
    std::string expected;
    std::size_t count;
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
};

class ReplaceAll : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
    std::string text = GetParam().text;
    EXPECT_EQ(replaceAll(text, GetParam().from, GetParam().to), GetParam().count);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAll,
    ::testing::Values(ReplaceCase{"NoMatch", "abc", "x", "y", "abc", 0},
                      ReplaceCase{"EmptyText", "", "a", "b", "", 0},
                      ReplaceCase{"EmptyPatternMatchesNothing", "abc", "", "x", "abc", 0},
                      ReplaceCase{"Shrinks", "aXbXc", "X", "", "abc", 2},
                      ReplaceCase{"Grows", "a.b", ".", "...", "a...b", 1},
                      ReplaceCase{"NoOverlap", "aaaa", "aa", "b", "bb", 2},
                      ReplaceCase{"OddRunLeavesTheRest", "aaa", "aa", "b", "ba", 1},
                      ReplaceCase{"InsertedTextNotScannedAgain", "  ", " ", "  ", "    ", 2},
                      ReplaceCase{"TwoBlanksToOne", "a     b", "  ", " ", "a   b", 2},
                      ReplaceCase{"CaseSensitive", "Aa aa", "aa", "X", "Aa X", 1},
                      ReplaceCase{"HighBytes", "\xB1\xB1x", "\xB1", "[&Paa]", "[&Paa][&Paa]x", 2},
                      ReplaceCase{"NulBytes", std::string("a\0b", 3), std::string("\0", 1), "0",
                                  "a0b", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
