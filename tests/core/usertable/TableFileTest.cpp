#include "usertable/TableFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace sorvel {
namespace {

// ---- one row ------------------------------------------------------------

struct RowCase {
    const char* name;
    std::string line;
    std::string code;
    std::string replacement;
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }
};

class Row : public ::testing::TestWithParam<RowCase> {};

TEST_P(Row, BecomesTheEntryOfItsNumberAndCode) {
    const CodePair entry = TableFile::rowEntry(GetParam().line);
    EXPECT_EQ(entry.code, GetParam().code);
    EXPECT_EQ(entry.replacement, GetParam().replacement);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Row,
    ::testing::Values(RowCase{"FourDigits", "0248\t/o", "/o", "\xF8"},
                      RowCase{"SpacesAroundNumberAndCode", "  0065\t  aa  ", "aa", "A"},
                      RowCase{"NumberWithoutLeadingZeros", "66\tb", "b", "B"},
                      RowCase{"Number256WrapsToNothing", "0256\tx", "x", ""},
                      RowCase{"Number321WrapsToA", "0321\tx", "x", "A"},
                      RowCase{"NoDigitsGiveNothing", "\tx", "x", ""},
                      RowCase{"WordsBeforeTabGiveNothing", "abc\tx", "x", ""},
                      RowCase{"DigitsUpToFirstNonDigit", "65x9\tq", "q", "A"},
                      RowCase{"PlusSign", "+65\tp", "p", "A"},
                      RowCase{"MinusOneIs255", "-1\tm", "m", "\xFF"},
                      RowCase{"LongNumberTakesItsValueModulo256", "100000000000000000065\tl", "l",
                              "A"},
                      RowCase{"Beyond32Bits", "4294967361\tw", "w", "A"},
                      RowCase{"SpaceCharacterIsTrimmed", "0032\tsp", "sp", ""},
                      RowCase{"TabCharacterIsTrimmed", "0009\tt", "t", ""},
                      RowCase{"CarriageReturnIsTrimmed", "0013\tcr", "cr", ""},
                      RowCase{"VerticalTabIsTrimmed", "0011\tvt", "vt", ""},
                      RowCase{"NulIsNothing", "0000\tz", "z", ""},
                      RowCase{"NoBreakSpaceIsKept", "0160\tnb", "nb", "\xA0"},
                      RowCase{"Byte133IsKept", "0133\t...", "...", "\x85"},
                      RowCase{"LeadingVerticalTabBeforeNumber",
                              "\x0B"
                              "66\tb",
                              "b", "B"},
                      RowCase{"SecondTabBelongsToTheCode", "0200\t\tx\ty\t", "x\ty", "\xC8"},
                      RowCase{"CodeWithInnerSpaces", "0216\tCapital O with a slash through it",
                              "Capital O with a slash through it", "\xD8"},
                      RowCase{"LineWithoutTabIsAllCode", "  a comment  ", "a comment", ""},
                      RowCase{"EmptyLine", "", "", ""}, RowCase{"TabOnly", "\t", "", ""},
                      RowCase{"HighBytesAreNotWhiteSpace", "0065\t\xA0x\xA0", "\xA0x\xA0", "A"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- whole files ----------------------------------------------------------

struct FileCase {
    const char* name;
    std::string bytes;
    std::optional<std::string> message;  // refused with this message
    std::optional<std::string> font;     // else: the font name found (nothing = none)
    std::vector<CodePair> entries;
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

std::string lines(std::initializer_list<std::string_view> list, std::string_view end = "\r\n") {
    std::string out;
    for (std::string_view l : list) {
        out += l;
        out += end;
    }
    return out;
}

// A file of exactly `count` lines: a font line, a row, comment lines and the
// end line.
std::string fileOfLines(std::size_t count) {
    std::string out = "FONT: Arial\r\n0065\taa\r\n";
    for (std::size_t i = 3; i < count; ++i) {
        out += "comment\r\n";
    }
    out += "END OF TRANSLITERATION CODES\r\n";
    return out;
}

// Comment lines first, then the font line, rows and the end line last.
std::string fileOfCommentsBeforeTable(std::size_t count) {
    std::string out;
    for (std::size_t i = 3; i < count; ++i) {
        out += "a comment line\r\n";
    }
    out += "FONT: Arial\r\n0065\taa\r\nEND OF TRANSLITERATION CODES";
    return out;
}

const std::string kNoFont(kNoFontLineMessage);
const std::string kNoEnd(kNoEndLineMessage);
const std::string kTooLong(kTooManyLinesMessage);

class File : public ::testing::TestWithParam<FileCase> {};

TEST_P(File, IsLoadedOrRefusedAsTheTwoPassesDecide) {
    const FileCase& c = GetParam();
    std::variant<TableFile, std::string> result = TableFile::read(c.bytes);
    if (c.message) {
        ASSERT_TRUE(std::holds_alternative<std::string>(result));
        EXPECT_EQ(std::get<std::string>(result), *c.message);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<TableFile>(result)) << std::get<std::string>(result);
    const TableFile& table = std::get<TableFile>(result);
    EXPECT_EQ(table.fontName, c.font);
    EXPECT_EQ(table.entries, c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, File,
    ::testing::Values(
        FileCase{"Norwegian",
                 lines({"Example", "", "FONT: Arial", "0216\tCapital O with a slash through it",
                        "0248\t/o", "END OF TRANSLITERATION CODES - do not delete this line."}),
                 {},
                 "Arial",
                 {{"Capital O with a slash through it", "\xD8"}, {"/o", "\xF8"}}},
        FileCase{"EmptyFileHasNoFontLine", "", kNoFont, {}, {}},
        FileCase{"FontMessageComesBeforeEndMessage", lines({"a", "b"}), kNoFont, {}, {}},
        FileCase{"NoEndLine", lines({"FONT: Arial", "0065\ta"}), kNoEnd, {}, {}},
        FileCase{"FontLineIsCaseSensitive",
                 lines({"font: Arial", "END OF TRANSLITERATION"}),
                 kNoFont,
                 {},
                 {}},
        FileCase{"FontWithoutSpaceIsNoFontLine",
                 lines({"FONT:Arial", "END OF TRANSLITERATION"}),
                 kNoFont,
                 {},
                 {}},
        FileCase{"SevenCharacterFontLineIsRefused",
                 lines({"FONT: A", "END OF TRANSLITERATION"}),
                 kNoFont,
                 {},
                 {}},
        FileCase{"EightCharacterFontLineIsAccepted",
                 lines({"FONT: AB", "0065\ta", "END OF TRANSLITERATION"}),
                 {},
                 "AB",
                 {{"a", "A"}}},
        // The checking pass wants eight characters; the loading pass takes
        // the first "FONT: " line of any length as the font line.
        FileCase{"ShortFontLineStillStartsTheTable",
                 lines({"FONT: A", "FONT: Arial", "0065\tx", "END OF TRANSLITERATION"}),
                 {},
                 "Arial",
                 {{"FONT: Arial", ""}, {"x", "A"}}},
        FileCase{"ShortFontLineNamesTheTableWhenTheLongOneFollowsTheEnd",
                 lines({"FONT: A", "0065\tx", "END OF TRANSLITERATION", "FONT: Arial"}),
                 {},
                 "A",
                 {{"x", "A"}}},
        FileCase{"BlankNameOfEightCharactersPassesTheCheck",
                 lines({"FONT:   ", "0065\tx", "END OF TRANSLITERATION"}),
                 {},
                 "",
                 {{"x", "A"}}},
        // "END OF TRANS" ends the loading pass but does not satisfy the check.
        FileCase{"ShortEndLineAloneIsRefused",
                 lines({"FONT: Arial", "0065\ta", "END OF TRANS"}),
                 kNoEnd,
                 {},
                 {}},
        FileCase{"ShortEndLineStopsLoadingBeforeTheRealOne",
                 lines({"FONT: Arial", "0065\ta", "END OF TRANSIT", "0066\tb",
                        "END OF TRANSLITERATION"}),
                 {},
                 "Arial",
                 {{"a", "A"}}},
        FileCase{"EndLineBeforeFontLineLoadsNothing",
                 lines({"END OF TRANSLITERATION", "FONT: Arial", "0065\ta"}),
                 {},
                 std::nullopt,
                 {}},
        FileCase{
            "LaterFontLineIsAnEntryAndRenamesTheTable",
            lines({"FONT: Arial", "0065\ta", "FONT: Times", "0066\tb", "END OF TRANSLITERATION"}),
            {},
            "Times",
            {{"a", "A"}, {"FONT: Times", ""}, {"b", "B"}}},
        FileCase{"CommentsAndEmptyLinesAfterTheFontLineAreEntries",
                 lines({"FONT: Arial", "  a note  ", "", "END OF TRANSLITERATION"}),
                 {},
                 "Arial",
                 {{"a note", ""}, {"", ""}}},
        FileCase{"FontNameIsTrimmed",
                 lines({"FONT: \t Arial Narrow \t", "END OF TRANSLITERATION"}),
                 {},
                 "Arial Narrow",
                 {}},
        FileCase{"LinesAfterTheEndLineAreIgnored",
                 lines({"FONT: Arial", "END OF TRANSLITERATION", "0065\ta"}),
                 {},
                 "Arial",
                 {}},
        FileCase{"BareLineFeeds",
                 lines({"FONT: Arial", "0065\ta", "END OF TRANSLITERATION"}, "\n"),
                 {},
                 "Arial",
                 {{"a", "A"}}},
        FileCase{"LoneCarriageReturnStaysInTheLine",
                 "FONT: Arial\r\r\n0065\ta\rb\r\nEND OF TRANSLITERATION",
                 {},
                 "Arial",
                 {{"a\rb", "A"}}},
        FileCase{"LastLineWithoutLineEnd",
                 "FONT: Arial\n0065\ta\nEND OF TRANSLITERATION",
                 {},
                 "Arial",
                 {{"a", "A"}}},
        FileCase{"ExactlyFiveHundredLines",
                 fileOfLines(500),
                 {},
                 "Arial",
                 [] {
                     std::vector<CodePair> e{{"aa", "A"}};
                     e.resize(498, CodePair{"comment", ""});
                     return e;
                 }()},
        FileCase{"FiveHundredAndOneLines", fileOfLines(501), kTooLong, {}, {}},
        FileCase{"FiveHundredAndOneLinesMostlyComments",
                 fileOfCommentsBeforeTable(501),
                 kTooLong,
                 {},
                 {}},
        FileCase{"FiveHundredLinesMostlyComments",
                 fileOfCommentsBeforeTable(500),
                 {},
                 "Arial",
                 {{"aa", "A"}}},
        FileCase{"AnEmptyLastLineCounts", fileOfLines(500) + "\r\n", kTooLong, {}, {}},
        FileCase{"LineCountComesAfterTheFontAndEndChecks",
                 [] {
                     std::string s;
                     for (int i = 0; i < 600; ++i) {
                         s += "x\n";
                     }
                     return s + "FONT: Arial\n";
                 }(),
                 kNoEnd,
                 {},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
