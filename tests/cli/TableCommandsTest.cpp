#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/ConvertTool.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"
#include "support/ToolRun.h"
#include "usertable/FontCodeReference.h"
#include "usertable/TableFile.h"

namespace sorvel::testing {
namespace {

const char kNorwegian[] =
    "FONT: Arial\r\n0216\tCapital O with a slash through it\r\n0248\t/o\r\n"
    "END OF TRANSLITERATION CODES - do not delete this line.\r\n";

class TypeWithTable : public ::testing::Test {
  protected:
    TempDirectory dir;
};

TEST_F(TypeWithTable, ReplaysTheInputInTheTablesFont) {
    dir.write("n.txt", kNorwegian);
    const ToolRun r = runConvertTool({"type", "--table", dir.file("n.txt")},
                                     "K/obenhavn\nCapital O with a slash through it\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "K\xF8"
              "benhavn\r\n\xD8\r\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(TypeWithTable, LaterTableRowsActOnWhatEarlierOnesLeft) {
    dir.write("t.txt", "FONT: Times\n0065\tb\n0066\tab\nEND OF TRANSLITERATION\n");
    const ToolRun r = runConvertTool({"type", "--lf", "--table", dir.file("t.txt")}, "ab");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "aA");
}

struct RefusedCase {
    const char* name;
    std::string bytes;
    std::string message;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class TypeWithRefusedTable : public TypeWithTable,
                             public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TypeWithRefusedTable, PrintsTheLoadersMessageAndWritesNothing) {
    dir.write("bad.txt", GetParam().bytes);
    const ToolRun r = runConvertTool({"type", "--table", dir.file("bad.txt")}, "abc");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "sorvel-convert: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypeWithRefusedTable,
    ::testing::Values(
        RefusedCase{"NoFontLine", "END OF TRANSLITERATION\n", std::string(kNoFontLineMessage)},
        RefusedCase{"NoEndLine", "FONT: Arial\n", std::string(kNoEndLineMessage)},
        RefusedCase{"TooLong", std::string(600, '\n') + "FONT: Arial\nEND OF TRANSLITERATION\n",
                    std::string(kTooManyLinesMessage)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypeWithTable, MissingFileGivesTheOpenFailureMessage) {
    const ToolRun r = runConvertTool({"type", "--table", dir.file("none.txt")}, "abc");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Unable to open file:\n\n" + dir.file("none.txt")), std::string::npos);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class TypeUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(TypeUsage, NeedsExactlyOneOfFontAndTable) {
    const ToolRun r = runConvertTool(GetParam().args, "abc");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--font FACE or --table FILE"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypeUsage,
    ::testing::Values(UsageCase{"Neither", {"type"}},
                      UsageCase{"Both", {"type", "--font", "VriRomanPali CN", "--table", "t.txt"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypeWithFont, StillWorks) {
    const ToolRun r = runConvertTool({"type", "--font", "VriRomanPali CN"}, ".d");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "\xB9");
}

TEST(OtherCommands, StillNeedTheirOptions) {
    const ToolRun r = runConvertTool({"to-standard"}, "abc");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("to-standard needs --font FACE"), std::string::npos) << r.err;
}

TEST(ReferenceTable, PrintsWhatTheCommandPutsInADocument) {
    const ToolRun r = runConvertTool({"reference-table", "--font", "Symbol"});
    EXPECT_EQ(r.status, 0) << r.err;

    TestView t;
    t.platform.expectYesNo(std::string(kFontCodeReferenceQuestion), true);
    t.platform.expectFontDialog(fontChoice("Symbol"));
    makeFontCodeReferenceTable(t.view);
    EXPECT_EQ(r.out, t.text());
    EXPECT_TRUE(r.out.ends_with("0254\t\xFE\r\n0255\t\xFF\r\n"));
}

TEST(ReferenceTable, HasOneRowPerCodeWithLineFeedsOnRequest) {
    const ToolRun r = runConvertTool({"reference-table", "--lf", "--font", "Arial"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    const std::size_t first = r.out.find("0064\t@\n");
    ASSERT_NE(first, std::string::npos);
    const std::string rows = r.out.substr(first);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 192);
    EXPECT_NE(rows.find("0129\tNot Supported by Windows\n"), std::string::npos);
}

TEST(ReferenceTable, TakesNoInputAndNeedsAFace) {
    EXPECT_EQ(runConvertTool({"reference-table", "--font", "Arial", "in.txt"}).status, 2);
    EXPECT_EQ(runConvertTool({"reference-table"}).status, 2);
    EXPECT_EQ(runConvertTool({"reference-table", "--font", ""}).status, 2);
}

}  // namespace
}  // namespace sorvel::testing
