#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConvertTool.h"
#include "common/TextFiles.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace sorvel {
namespace {

using testing::runConvertTool;
using testing::ToolRun;

using testing::TempDir;

constexpr const char* kLetter =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 VriRomanPali CN;}}\\f0 Buddha\\'b9\\par {\\b "
    "sara\\'bd\\'b9}\\par}";

TEST(DocumentCommands, TextPrintsTheDocumentsText) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("a.rtf"), kLetter));
    const ToolRun r = runConvertTool({"text", dir.file("a.rtf")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Buddha\xB9\r\nsara\xBD\xB9");

    const ToolRun lf = runConvertTool({"text", "--lf", "-"}, kLetter);
    EXPECT_EQ(lf.status, 0) << lf.err;
    EXPECT_EQ(lf.out, "Buddha\xB9\nsara\xBD\xB9");
}

TEST(DocumentCommands, SaveWritesACompoundFileOrPlainRtf) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("in.rtf"), kLetter));
    const ToolRun saved = runConvertTool({"save", dir.file("in.rtf"), dir.file("out.doc")});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string compound = readWholeFile(dir.file("out.doc")).value_or("");
    EXPECT_TRUE(CompoundFile::isCompound(compound));

    const ToolRun rtf = runConvertTool({"save", "--rtf", dir.file("out.doc"), dir.file("out.rtf")});
    ASSERT_EQ(rtf.status, 0) << rtf.err;
    const std::string plain = readWholeFile(dir.file("out.rtf")).value_or("");
    EXPECT_TRUE(plain.starts_with("{\\rtf1"));
    EXPECT_EQ(*CompoundFile::readContents(compound), plain);

    const DocumentFile::Opened in = DocumentFile::open(dir.file("in.rtf"));
    const DocumentFile::Opened out = DocumentFile::open(dir.file("out.rtf"));
    ASSERT_TRUE(in && out);
    EXPECT_TRUE(*in.document == *out.document);

    const ToolRun toStdout = runConvertTool({"save", "--rtf", dir.file("in.rtf"), "-"});
    EXPECT_EQ(toStdout.out, plain);
}

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;  // "@" stands for the test's folder
    int status;
    std::string message;  // a part of the error line
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

class DocumentCommandErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(DocumentCommandErrors, FailWithOneLineAndWriteNothing) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("plain.txt"), "just text\r\n"));
    ASSERT_TRUE(writeFileAtomically(dir.file("a.rtf"), kLetter));
    std::vector<std::string> args = GetParam().args;
    for (std::string& a : args) {
        if (a.starts_with("@")) {
            a = dir.path() + a.substr(1);
        }
    }
    const ToolRun r = runConvertTool(args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(readWholeFile(dir.file("out.doc")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentCommandErrors,
    ::testing::Values(
        ErrorCase{"TextWithoutFile", {"text"}, 2, "text takes FILE"},
        ErrorCase{"SaveWithOneFile", {"save", "@/a.rtf"}, 2, "save takes IN OUT"},
        ErrorCase{"SaveWithThreeFiles", {"save", "@/a.rtf", "@/b", "@/c"}, 2, "save takes IN OUT"},
        ErrorCase{"SaveTakesNoOutputOption",
                  {"save", "-o", "@/out.doc", "@/a.rtf", "@/x.doc"},
                  2,
                  "--output does not apply to save"},
        ErrorCase{"TextTakesNoRtfOption", {"text", "--rtf", "@/a.rtf"}, 2, "--rtf does not apply"},
        ErrorCase{"MissingFile", {"text", "@/none.rtf"}, 1, "Cannot find this file."},
        ErrorCase{
            "NotADocument", {"save", "@/plain.txt", "@/out.doc"}, 1, "Unexpected file format."},
        ErrorCase{"OutputFolderMissing",
                  {"save", "@/a.rtf", "@/no/out.doc"},
                  1,
                  "Failed to save document."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentCommands, HelpNamesThePositionalArguments) {
    EXPECT_TRUE(runConvertTool({"save", "--help"})
                    .out.starts_with("Usage: sorvel-convert save [options] IN OUT"));
    const ToolRun text = runConvertTool({"text", "--help"});
    EXPECT_TRUE(text.out.starts_with("Usage: sorvel-convert text [options] FILE")) << text.out;
    EXPECT_EQ(runConvertTool({"save", "--help"}).out.find("--lf"), std::string::npos);
}

}  // namespace
}  // namespace sorvel
