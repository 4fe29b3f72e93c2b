#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "cli/ConvertTool.h"
#include "common/TextFiles.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "docformat/RtfWriter.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace sorvel {
namespace {

using testing::runConvertTool;
using testing::ToolRun;

namespace fs = std::filesystem;
using testing::fontOf;
using testing::paraOf;
using testing::TempDir;

// Pali in VriRomanPali between runs of Arial that hold the same bytes.
RichText mixedLetter() {
    RichText doc;
    doc.append("Buddha\xBD sara\xBA", fontOf("VriRomanPali CN"));
    doc.append("a\xBD \xB1", fontOf("Arial"));
    doc.appendBreak(fontOf("Arial"), paraOf(alignment::Center));
    doc.append("gacch\xB1mi", fontOf("VriRomanPali CB", 320));
    return doc;
}

const std::string kMixedUtf8 =
    "Buddha\xE1\xB9\x83 sara\xE1\xB9\x87"
    "a\xC2\xBD \xC2\xB1\r\ngacch\xC4\x81mi";

// A folder of inputs of every kind; their bytes, to check that none changes.
class Folder : public ::testing::Test {
  protected:
    void SetUp() override {
        put("docs/a.rtf", RtfWriter::write(mixedLetter()));
        put("docs/sub/b.doc",
            *DocumentFile::toBytes(mixedLetter(), DocumentFile::Format::Compound));
        put("docs/notes.txt", "Buddha\xBD\r\n");
        put("docs/broken.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "junk");
        put("docs/picture.png", std::string("\x89PNG\0\0\0\r", 8));
    }
    void put(const std::string& name, const std::string& bytes) {
        fs::create_directories(fs::path(dir_.file(name)).parent_path());
        ASSERT_TRUE(writeFileAtomically(dir_.file(name), bytes));
        inputs_[name] = bytes;
    }
    std::string path(const std::string& name) const { return dir_.file(name); }
    std::string read(const std::string& name) const {
        return readWholeFile(dir_.file(name)).value_or("<missing>");
    }
    void expectInputsUnchanged() const {
        for (const auto& [name, bytes] : inputs_) {
            EXPECT_EQ(read(name), bytes) << name;
        }
    }
    std::string lineOf(const ToolRun& r, const std::string& start) const {
        std::istringstream in(r.out);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with(start)) {
                return line;
            }
        }
        return "<no line " + start + ">";
    }

    TempDir dir_;
    std::map<std::string, std::string> inputs_;
};

TEST_F(Folder, UnicodeWalksTheFolderAndReportsEachFile) {
    const ToolRun r = runConvertTool({"unicode", path("docs"), "--out-dir", path("out")});
    EXPECT_EQ(r.status, 1) << "one file failed";
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lineOf(r, "converted " + path("docs/a.rtf")),
              "converted " + path("docs/a.rtf") + " -> " + path("out/a.txt"));
    EXPECT_EQ(lineOf(r, "converted " + path("docs/sub/b.doc")),
              "converted " + path("docs/sub/b.doc") + " -> " + path("out/sub/b.txt"));
    EXPECT_TRUE(lineOf(r, "failed " + path("docs/broken.doc") + ": Unexpected file format.")
                    .starts_with("failed"));
    EXPECT_EQ(lineOf(r, "skipped " + path("docs/notes.txt")),
              "skipped " + path("docs/notes.txt") +
                  ": not a document (for 8-bit text, give --from FACE)");
    EXPECT_TRUE(lineOf(r, "skipped " + path("docs/picture.png")).starts_with("skipped"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 5) << r.out;
    EXPECT_EQ(read("out/a.txt"), kMixedUtf8);
    EXPECT_EQ(read("out/sub/b.txt"), kMixedUtf8);
    EXPECT_FALSE(fs::exists(path("out/notes.txt")));
    expectInputsUnchanged();
}

TEST_F(Folder, WithFromTextIsConvertedTooButBinaryFilesAreSkipped) {
    const ToolRun r = runConvertTool({"unicode", "--from", "VriRomanPali CN", "--lf", "--format",
                                      "txt", path("docs"), "--out-dir", path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read("out/notes.txt"), "Buddha\xE1\xB9\x83\n");
    EXPECT_EQ(lineOf(r, "skipped " + path("docs/picture.png")),
              "skipped " + path("docs/picture.png") + ": not text: it holds NUL bytes");
    expectInputsUnchanged();
}

TEST_F(Folder, FontOnDocumentsKeepsTheirFormAndTouchesOnlyTheSourceFont) {
    const ToolRun r = runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+",
                                      path("docs"), "--out-dir", path("out")});
    EXPECT_EQ(r.status, 1) << r.out;  // the broken document
    const std::string compound = read("out/sub/b.doc");
    ASSERT_TRUE(CompoundFile::isCompound(compound));
    EXPECT_TRUE(read("out/a.rtf").starts_with("{\\rtf1"));
    const DocumentFile::Opened opened = DocumentFile::open(path("out/sub/b.doc"));
    ASSERT_TRUE(opened);
    const RichText& doc = *opened.document;
    EXPECT_EQ(doc.text(),
              "Buddha\xFC sara\xF5"
              "a\xBD \xB1\r\ngacch\xE0mi");
    EXPECT_EQ(doc.formatAt(0).faceName, "Times_CSX+");
    EXPECT_EQ(doc.formatAt(12).faceName, "Times_CSX+");
    EXPECT_EQ(doc.formatAt(13).faceName, "Arial");
    EXPECT_EQ(doc.formatAt(doc.length() - 1).height, 320);
    // Text files are converted whole, as the text command always did.
    EXPECT_EQ(read("out/notes.txt"), "Buddha\xFC\r\n");
    expectInputsUnchanged();
}

TEST_F(Folder, NoInputIsEverWrittenOver) {
    // The output folder is the input folder: every output would be its input.
    const ToolRun same =
        runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+", path("docs/a.rtf"),
                        path("docs/notes.txt"), "--out-dir", path("docs")});
    EXPECT_EQ(same.status, 1);
    EXPECT_NE(lineOf(same, "failed " + path("docs/a.rtf")).find("is an input file"),
              std::string::npos)
        << same.out;
    EXPECT_NE(lineOf(same, "failed " + path("docs/notes.txt")).find("is an input file"),
              std::string::npos);
    // Another input's name: a.rtf would become docs/notes.txt... were notes a.txt.
    put("docs/a.txt", "text\r\n");
    const ToolRun other = runConvertTool({"unicode", "--from", "Times_CSX+", path("docs/a.rtf"),
                                          path("docs/a.txt"), "--out-dir", path("docs")});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(lineOf(other, "failed " + path("docs/a.rtf")).find("is an input file"),
              std::string::npos)
        << other.out;
    // A hard link is the same file under another name.
    fs::create_directories(path("linked"));
    fs::create_hard_link(path("docs/notes.txt"), path("linked/notes.txt"));
    const ToolRun link = runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+",
                                         path("docs/notes.txt"), "--out-dir", path("linked")});
    EXPECT_EQ(link.status, 1);
    // -o naming the input.
    const ToolRun single = runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+",
                                           "-o", path("docs/../docs/a.rtf"), path("docs/a.rtf")});
    EXPECT_EQ(single.status, 1);
    EXPECT_NE(single.err.find("never writes over its input"), std::string::npos) << single.err;
    expectInputsUnchanged();
}

TEST_F(Folder, TwoInputsWithOneOutputNameAndTheOutputFolderInsideTheInput) {
    put("x/a.rtf", RtfWriter::write(mixedLetter()));
    const ToolRun r = runConvertTool(
        {"unicode", path("docs/a.rtf"), path("x/a.rtf"), "--out-dir", path("docs/out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lineOf(r, "failed " + path("x/a.rtf")),
              "failed " + path("x/a.rtf") + ": " + path("docs/out/a.txt") +
                  " is already the output of " + path("docs/a.rtf"));
    // The next walk of docs does not read what the last one wrote.
    const ToolRun again = runConvertTool({"unicode", path("docs"), "--out-dir", path("docs/out")});
    EXPECT_EQ(lineOf(again, "skipped " + path("docs/out")),
              "skipped " + path("docs/out") + ": the output folder is not read");
    EXPECT_EQ(lineOf(again, "converted " + path("docs/sub/b.doc")),
              "converted " + path("docs/sub/b.doc") + " -> " + path("docs/out/sub/b.txt"));
    expectInputsUnchanged();
}

TEST_F(Folder, AMissingFileFailsAndTheRestGoOn) {
    const ToolRun r =
        runConvertTool({"unicode", path("none.doc"), path("docs/a.rtf"), "--out-dir", path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(lineOf(r, "failed " + path("none.doc") + ": cannot open").starts_with("failed"))
        << r.out;
    EXPECT_EQ(read("out/a.txt"), kMixedUtf8);
}

TEST_F(Folder, ProgressOnlyOnATerminal) {
    const ToolRun quiet = runConvertTool({"unicode", path("docs"), "--out-dir", path("out")});
    EXPECT_EQ(quiet.err, "");
    const ToolRun shown =
        runConvertTool({"unicode", path("docs"), "--out-dir", path("out2")}, "", true);
    EXPECT_NE(shown.err.find("] 1/5"), std::string::npos) << shown.err;
    EXPECT_NE(shown.err.find("] 5/5"), std::string::npos) << shown.err;
    EXPECT_TRUE(shown.err.ends_with("\r\x1b[K")) << "the bar is cleared at the end";
    // The lines on standard output are the same with and without the bar.
    std::string lines = shown.out;
    for (std::size_t at; (at = lines.find(path("out2/"))) != std::string::npos;) {
        lines.replace(at, path("out2/").size(), path("out/"));
    }
    EXPECT_EQ(lines, quiet.out);
}

TEST(UnicodeCommands, OneDocumentFromStandardInputToStandardOutput) {
    const std::string rtf = RtfWriter::write(mixedLetter());
    const ToolRun txt = runConvertTool({"unicode", "--lf", "--overdot-m"}, rtf);
    EXPECT_EQ(txt.status, 0) << txt.err;
    EXPECT_EQ(txt.out,
              "Buddha\xE1\xB9\x81 sara\xE1\xB9\x87"
              "a\xC2\xBD \xC2\xB1\ngacch\xC4\x81mi");
    const ToolRun uRtf =
        runConvertTool({"unicode", "--format", "rtf", "--font", "DejaVu Serif"}, rtf);
    EXPECT_EQ(uRtf.status, 0) << uRtf.err;
    EXPECT_NE(uRtf.out.find("DejaVu Serif;"), std::string::npos);
    EXPECT_NE(uRtf.out.find("Buddha\\u7747? sara\\u7751?"), std::string::npos) << uRtf.out;
    EXPECT_NE(uRtf.out.find("Arial;"), std::string::npos);
    // And back: the Pali text into Times_CSX+, the Arial run as it was.
    const ToolRun back =
        runConvertTool({"from-unicode", "--font", "Times_CSX+", "--format", "txt"}, uRtf.out);
    EXPECT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out,
              "Buddha\xFC sara\xF5"
              "a\xBD \xB1\r\ngacch\xE0mi");
}

TEST(UnicodeCommands, DocumentsThatLostContentSaySoOnTheirLine) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0 VriRomanPali CN;}}\\f0 Buddha\\'bd{\\footnote note}"
        "{\\pict\\wmetafile8 0100}\\par}";
    const ToolRun unicode = runConvertTool({"unicode"}, rtf);
    EXPECT_EQ(unicode.status, 0);
    EXPECT_EQ(unicode.out, "Buddha\xE1\xB9\x83");
    EXPECT_EQ(unicode.err, "sorvel-convert: standard input: left out: 1 footnote, 1 picture\n");
    const ToolRun font =
        runConvertTool({"font", "--from", "VriRomanPali CN", "--to", "Times_CSX+"}, rtf);
    EXPECT_EQ(font.status, 0);
    EXPECT_EQ(font.err, "sorvel-convert: standard input: left out: 1 footnote, 1 picture\n");
}

TEST(UnicodeCommands, FromUnicodeRefusesWhatTheFontCannotShowUnlessLossy) {
    const std::string text = "sa\xE1\xB9\x85gha \xCE\xB1\n\xE2\x82\xAC";
    const ToolRun strict = runConvertTool({"from-unicode", "--font", "VriRomanPali CN"}, text);
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.out, "");
    EXPECT_EQ(strict.err,
              "sorvel-convert: standard input: 1 character that VriRomanPali CN cannot show: "
              "U+03B1 \"\xCE\xB1\" at line 1, column 8; nothing written (--lossy writes them as "
              "\"?\")\n");
    const ToolRun lossy =
        runConvertTool({"from-unicode", "--font", "VriRomanPali CN", "--lossy"}, text);
    EXPECT_EQ(lossy.status, 0);
    EXPECT_EQ(lossy.out, "sa\xAAgha ?\r\n\x80");
    EXPECT_NE(lossy.err.find("written as \"?\""), std::string::npos);
}

TEST(UnicodeCommands, FromUnicodeWritesADocumentForRtfAndOnRequest) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("in.txt"), "Dhamma\xE1\xB9\x83\n"));
    const ToolRun r = runConvertTool({"from-unicode", "--font", "SKT Times", "--format", "doc",
                                      "-o", dir.file("out.doc"), dir.file("in.txt")});
    EXPECT_EQ(r.status, 0) << r.err;
    const DocumentFile::Opened opened = DocumentFile::open(dir.file("out.doc"));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.format, DocumentFile::Format::Compound);
    EXPECT_EQ(opened.document->text(), "Dhamma\xB5\r\n");
    EXPECT_EQ(opened.document->formatAt(0).faceName, "SKT Times");

    const ToolRun batch = runConvertTool({"from-unicode", "--font", "SKT Times", dir.file("in.txt"),
                                          "--out-dir", dir.file("o"), "--format", "rtf"});
    EXPECT_EQ(batch.status, 0) << batch.out;
    EXPECT_TRUE(readWholeFile(dir.file("o/in.rtf")).value_or("").starts_with("{\\rtf1"));
}

TEST(UnicodeCommands, ANamedFileThatIsNotTheRightKindFails) {
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("latin1.txt"), "caf\xE9\n"));
    const ToolRun r =
        runConvertTool({"from-unicode", "--font", "Times_Norman", dir.file("latin1.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not UTF-8 text (a byte that is no UTF-8 at line 1, column 4)"),
              std::string::npos)
        << r.err;
    const ToolRun u = runConvertTool({"unicode", dir.file("latin1.txt")});
    EXPECT_EQ(u.status, 1);
    EXPECT_NE(u.err.find("give --from FACE"), std::string::npos);
}

TEST(UnicodeCommands, FontOnOneDocumentReportsLetterCollisions) {
    RichText doc;
    doc.append("\xB1 \xE0", fontOf("VriRomanPali CN"));
    const std::string rtf = RtfWriter::write(doc);
    const ToolRun r = runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+"}, rtf);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("U+00E0"), std::string::npos) << r.err;
    const ToolRun lossy =
        runConvertTool({"font", "--from", "VriRomanPali", "--to", "Times_CSX+", "--lossy"}, rtf);
    EXPECT_EQ(lossy.status, 0);
    const DocumentFile::Opened back = DocumentFile::openBytes(lossy.out, "out");
    ASSERT_TRUE(back);
    EXPECT_EQ(back.format, DocumentFile::Format::Rtf);
    EXPECT_EQ(back.document->text(), "\xE0 ?");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class UnicodeUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UnicodeUsage, IsRefusedWithStatusTwo) {
    const ToolRun r = runConvertTool(GetParam().args, "text");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnicodeUsage,
    ::testing::Values(
        UsageCase{"SeveralInputsWithoutOutDir", {"unicode", "a", "b"}, "several inputs need"},
        UsageCase{"FolderWithoutOutDir", {"unicode", "/"}, "a folder as input needs --out-dir"},
        UsageCase{"OutputAndOutDir", {"unicode", "a", "-o", "x", "--out-dir", "d"}, "not both"},
        UsageCase{"StandardInputToAFolder", {"unicode", "-", "--out-dir", "d"}, "not standard"},
        UsageCase{"NoInputToAFolder", {"unicode", "--out-dir", "d"}, "not standard input"},
        UsageCase{"BadFormat", {"unicode", "--format", "html"}, "txt or rtf"},
        UsageCase{"FontOnlyForRtf", {"unicode", "--font", "DejaVu Serif"}, "--format rtf only"},
        UsageCase{"FromMustBePali", {"unicode", "--from", "Arial"}, "is not a Pali font"},
        UsageCase{"FromUnicodeNeedsFont", {"from-unicode"}, "needs --font FACE"},
        UsageCase{"FromUnicodeBadFormat",
                  {"from-unicode", "--font", "Times_CSX+", "--format", "pdf"},
                  "doc, rtf or txt"},
        UsageCase{"LossyIsNotForUnicode", {"unicode", "--lossy"}, "--lossy does not apply"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnicodeCommands, HelpDescribesTheNewCommandsAndTheirOwnOptions) {
    const ToolRun general = runConvertTool({"--help"});
    EXPECT_NE(general.out.find("  unicode "), std::string::npos);
    EXPECT_NE(general.out.find("  from-unicode "), std::string::npos);
    const ToolRun help = runConvertTool({"unicode", "--help"});
    EXPECT_TRUE(
        help.out.starts_with("Usage: sorvel-convert unicode [--from FACE] [--format "
                             "FORMAT] [--font FACE] [--out-dir DIR] [options]"))
        << help.out;
    EXPECT_NE(help.out.find("--font FACE           the Unicode font for Pali text in RTF"),
              std::string::npos)
        << help.out;
    const ToolRun font = runConvertTool({"font", "--help"});
    EXPECT_NE(font.out.find("--out-dir DIR"), std::string::npos);
}

}  // namespace
}  // namespace sorvel
