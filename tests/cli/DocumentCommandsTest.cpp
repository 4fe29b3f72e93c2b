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
    EXPECT_EQ(r.err, "");  // it loses nothing

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

// Footnotes, Unicode Pali in Times New Roman, a Greek letter with its
// fallback, and small capitals.
constexpr const char* kFromAnotherProgram =
    "{\\rtf1\\ansi\\uc1{\\fonttbl{\\f0 Times New Roman;}}\\f0 Dhamma\\u7747?{\\footnote one}"
    "\\par {\\scaps a}\\u945 a{\\footnote two}\\par}";

TEST(DocumentCommands, SayWhatWasLeftOutAndStillSucceed) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("in.rtf"), kFromAnotherProgram));
    const std::string leftOut =
        "left out: 2 footnotes\n"
        "left out: 1 character that Windows-1252 cannot show: \xCE\xB1 (U+03B1) at line 2, "
        "column 2\n"
        "left out: formatting: small capitals on 1 character\n"
        "left out: formatting: the font of 1 Pali letter given in Unicode (now in VriRomanPali "
        "CN)\n";
    const ToolRun text = runConvertTool({"text", dir.file("in.rtf")});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "Dhamma\xBD\r\naa");
    EXPECT_EQ(text.err, leftOut);

    const ToolRun saved =
        runConvertTool({"save", "--rtf", "-", dir.file("out.rtf")}, kFromAnotherProgram);
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.err, leftOut);
    const DocumentFile::Opened back = DocumentFile::open(dir.file("out.rtf"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back.document->text(), "Dhamma\xBD\r\naa");
    EXPECT_TRUE(back.report.empty()) << back.report.describeContent();

    // Into another Pali font: Times_CSX+ has underdot m at 0xFC.
    const ToolRun csx = runConvertTool({"text", "--font", "Times_CSX+", dir.file("in.rtf")});
    EXPECT_EQ(csx.out, "Dhamma\xFC\r\naa");
    EXPECT_NE(csx.err.find("(now in Times_CSX+)"), std::string::npos) << csx.err;
}

TEST(DocumentCommands, StrictFailsOnContentLeftOutAndWritesNothing) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("in.rtf"), kFromAnotherProgram));
    for (const std::string command : {"text", "save"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> args = {command, "--strict", dir.file("in.rtf")};
        if (command == "save") {
            args.push_back(dir.file("out.doc"));
        }
        const ToolRun r = runConvertTool(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("left out: 2 footnotes\n")) << r.err;
        EXPECT_NE(r.err.find("nothing written (--strict)"), std::string::npos) << r.err;
        EXPECT_FALSE(readWholeFile(dir.file("out.doc")));
    }
    // Formatting alone is no content: strict still succeeds.
    const ToolRun formatting =
        runConvertTool({"text", "--strict", "-"}, "{\\rtf1 \\qj justified\\par}");
    EXPECT_EQ(formatting.status, 0);
    EXPECT_EQ(formatting.out, "justified");
    EXPECT_EQ(formatting.err,
              "left out: formatting: justified alignment of 1 paragraph (kept as left "
              "alignment)\n");
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
        ErrorCase{"FontMustBePali",
                  {"save", "--font", "Arial", "@/a.rtf", "@/out.doc"},
                  2,
                  "is not a Pali font"},
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
                    .out.starts_with("Usage: sorvel-convert save [--font FACE] [options] IN OUT"));
    const ToolRun text = runConvertTool({"text", "--help"});
    EXPECT_TRUE(text.out.starts_with("Usage: sorvel-convert text [--font FACE] [options] FILE"))
        << text.out;
    EXPECT_EQ(runConvertTool({"save", "--help"}).out.find("--lf"), std::string::npos);
}

}  // namespace
}  // namespace sorvel
