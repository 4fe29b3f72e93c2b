#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/ConvertTool.h"
#include "common/TextFiles.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace sorvel {
namespace {

using testing::runConvertTool;
using testing::ToolRun;

namespace fs = std::filesystem;

struct ToolCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string output;
    friend void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }
};

class ConvertCommands : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ConvertCommands, WriteTheConvertedTextToStandardOutput) {
    const ToolRun r = runConvertTool(GetParam().args, GetParam().input);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertCommands,
    ::testing::Values(
        ToolCase{"Font",
                 {"font", "--from", "VriRomanPali CN", "--to", "Times_CSX+"},
                 "Buddha\xBD\n",
                 "Buddha\xFC\r\n"},
        ToolCase{"FontWithEquals",
                 {"font", "--from=SKT Times", "--to=Times_Norman", "--lf"},
                 "\xE6\r\n\xB5",
                 "\x8C\n\xB5"},
        ToolCase{"FromStandard",
                 {"from-standard", "--font", "VriRomanPali CN"},
                 "Buddha.m sara.na.m gacchaami\r\n",
                 "Buddha\xBD sara\xBA"
                 "a\xBD gacch\xB1mi\r\n"},
        ToolCase{"ToStandard", {"to-standard", "--font", "Times_CSX+"}, "sa\xEFgha", "sa\"ngha"},
        ToolCase{"Cscd", {"cscd"}, "dham-\nma. \nnext", "dhamma.\r\nnext\r\n\r\n"},
        ToolCase{"CscdLoneCrIsABreak", {"cscd", "--lf"}, "a\rb", "ab\n\n"},
        ToolCase{"Type",
                 {"type", "--font", "VriRomanPali CN"},
                 "Buddha.m sara.na.m gacchaami\n",
                 "Buddha\xBD sara\xBA"
                 "a\xBD gacch\xB1mi\r\n"},
        ToolCase{
            "TypeKeepsTheBreakBetweenCodes", {"type", "--font", "Times_CSX+"}, ".\nd", ".\r\nd"},
        ToolCase{"StandardInputAsDash",
                 {"font", "--from", "Times_Norman", "--to", "LeedsBit PaliTranslit", "-"},
                 "\xA0",
                 "\xCA"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string message;  // a part of the one line on standard error
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

class ConvertErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ConvertErrors, GiveOneLineOnStandardErrorAndNoOutput) {
    const ToolRun r = runConvertTool(GetParam().args, "aa");
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertErrors,
    ::testing::Values(
        ErrorCase{"NotAPaliFont",
                  {"font", "--from", "Arial", "--to", "Times_CSX+"},
                  2,
                  "\"Arial\" (--from) is not a Pali font"},
        ErrorCase{
            "LowerCaseFace", {"to-standard", "--font", "vriromanpali"}, 2, "is not a Pali font"},
        ErrorCase{"MissingOption", {"font", "--from", "Times_CSX+"}, 2, "font needs --to FACE"},
        ErrorCase{"OptionWithoutValue", {"type", "--font"}, 2, "--font needs a FACE"},
        ErrorCase{"UnknownOption", {"cscd", "--fast"}, 2, "unknown option --fast"},
        ErrorCase{"UnknownShortOption", {"cscd", "-x"}, 2, "unknown option -x"},
        ErrorCase{"UnknownCommand", {"translate"}, 2, "unknown command \"translate\""},
        ErrorCase{"OptionOfAnotherCommand",
                  {"cscd", "--font", "Times_CSX+"},
                  2,
                  "--font does not apply to cscd"},
        ErrorCase{"FlagWithValue", {"cscd", "--lf=yes"}, 2, "--lf takes no value"},
        ErrorCase{"TwoInputs", {"cscd", "a.txt", "b.txt"}, 2, "reads one input at most"},
        ErrorCase{"UnreadableFile",
                  {"cscd", "/nonexistent/input.txt"},
                  1,
                  "cannot open /nonexistent/input.txt"},
        ErrorCase{"DirectoryAsInput", {"cscd", "/"}, 1, "cannot read /"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertTool, HelpEverywhere) {
    const ToolRun general = runConvertTool({"--help"});
    EXPECT_EQ(general.status, 0);
    for (const char* command : {"font", "to-standard", "from-standard", "cscd", "type"}) {
        EXPECT_NE(general.out.find(command), std::string::npos) << command;
        const ToolRun one = runConvertTool({command, "--help"});
        EXPECT_EQ(one.status, 0);
        EXPECT_TRUE(one.out.starts_with(std::string("Usage: sorvel-convert ") + command))
            << one.out;
    }
    const ToolRun none = runConvertTool({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("Usage:"), std::string::npos);
}

TEST(ConvertTool, VersionAnywhereOnTheLine) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"font", "--version"}, {"--lf", "--version"}}) {
        const ToolRun r = runConvertTool(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "sorvel-convert (Sorvel) 2.0.0.1\nFile version 1.0.0.1\n");
        EXPECT_EQ(r.err, "");
    }
    EXPECT_NE(runConvertTool({"--help"}).out.find("--version"), std::string::npos);
}

class ConvertFiles : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return dir_.file(name); }

    testing::TempDir dir_;
};

TEST_F(ConvertFiles, ReadsAFileAndWritesTheOutputFile) {
    ASSERT_TRUE(writeFileAtomically(path("in.txt"), "aa\n.d\n"));
    const ToolRun r = runConvertTool(
        {"from-standard", "--font", "Times_CSX+", "-o", path("out.txt"), path("in.txt")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readWholeFile(path("out.txt")), "\xE0\r\n\xF3\r\n");
}

TEST_F(ConvertFiles, AFailedRunLeavesTheOutputFileAsItWas) {
    ASSERT_TRUE(writeFileAtomically(path("out.txt"), "precious"));
    const ToolRun r = runConvertTool({"cscd", "-o", path("out.txt"), path("missing.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readWholeFile(path("out.txt")), "precious");
}

TEST_F(ConvertFiles, AnUnwritableOutputIsReportedAndNothingIsLeftBehind) {
    fs::create_directories(path("locked"));
    fs::permissions(path("locked"), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    // Permissions bind only an unprivileged user; as root the run happens as one.
    const std::string out = path("locked/out.txt");
    const int outcome = testing::runUnprivileged([&out] {
        const ToolRun r = runConvertTool({"cscd", "-o", out}, "x");
        const bool reported = r.err.find("locked/out.txt") != std::string::npos;
        return r.status == 1 && reported ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_TRUE(fs::is_empty(path("locked")));
}

// Every output, streamed (the text commands) or written whole (documents),
// is saved as the program saves: through a link, never over a read-only file.
struct OutputCase {
    const char* name;
    std::vector<std::string> args;  // "@in" and "@out" stand for the files
    std::string input;
    friend void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.name; }
};

class OutputFile : public ConvertFiles, public ::testing::WithParamInterface<OutputCase> {
  protected:
    ToolRun run(const std::string& out) {
        EXPECT_TRUE(writeFileAtomically(path("in"), GetParam().input));
        std::vector<std::string> args = GetParam().args;
        std::replace(args.begin(), args.end(), std::string("@in"), path("in"));
        std::replace(args.begin(), args.end(), std::string("@out"), out);
        return runConvertTool(args);
    }
};

TEST_P(OutputFile, ThroughALinkTheTargetIsWrittenAndTheLinkStays) {
    fs::create_directories(path("real"));
    fs::create_symlink("real/out", path("link"));
    const ToolRun r = run(path("link"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(path("link")));
    EXPECT_GT(fs::file_size(path("real/out")), 0u);
}

TEST_P(OutputFile, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    ASSERT_TRUE(writeFileAtomically(path("out"), "kept"));
    fs::permissions(path("out"), fs::perms::owner_read | fs::perms::group_read);
    const ToolRun r = run(path("out"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("read-only"), std::string::npos) << r.err;
    EXPECT_EQ(readWholeFile(path("out")), "kept");
    EXPECT_EQ(fs::status(path("out")).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(path("")), fs::directory_iterator()), 2)
        << "nothing left beside it";
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputFile,
    ::testing::Values(OutputCase{"StreamedText",
                                 {"font", "--from", "VriRomanPali CN", "--to", "Times_CSX+", "-o",
                                  "@out", "@in"},
                                 "Buddha\xBD\n"},
                      OutputCase{"WholeDocument",
                                 {"save", "@in", "@out"},
                                 "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\f0 sati\\par}"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedInput {
    const char* name;
    std::vector<std::string> args;  // "@" stands for the input refused
    const char* input;              // empty: a folder
    friend void PrintTo(const RefusedInput& c, std::ostream* os) { *os << c.name; }
};

class NotADocument : public ConvertFiles, public ::testing::WithParamInterface<RefusedInput> {};

TEST_P(NotADocument, IsRefusedWithAMessageBeforeItIsRead) {
    const std::string input = *GetParam().input ? GetParam().input : path("");
    std::vector<std::string> args = GetParam().args;
    std::replace(args.begin(), args.end(), std::string("@"), input);
    args.push_back("-o");
    args.push_back(path("out"));
    const ToolRun r = runConvertTool(args);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(input), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("out")));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, NotADocument,
    ::testing::Values(RefusedInput{"TextOfADevice", {"text", "@"}, "/dev/zero"},
                      RefusedInput{
                          "TableThatIsADevice", {"type", "--table", "@", "-"}, "/dev/zero"},
                      RefusedInput{"TextInputThatIsADevice", {"cscd", "@"}, "/dev/zero"},
                      RefusedInput{"DocumentThatIsAFolder", {"text", "@"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Standard input that never ends, as /dev/zero piped in.
class Endless : public std::streambuf {
  public:
    Endless() : block_(1 << 16, 'x') {}

  protected:
    int_type underflow() override {
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return traits_type::to_int_type('x');
    }

  private:
    std::string block_;
};

#if defined(__SANITIZE_ADDRESS__)
#define SORVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SORVEL_ADDRESS_SANITIZER 1
#endif
#endif

TEST(ConvertTool, RunningOutOfMemoryEndsTheCommandWithAMessage) {
#ifdef SORVEL_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer's allocator ends the process itself when memory "
                    "runs out, before the program can";
#endif
    // In a child whose memory is bounded, standard input is read as the
    // stream it is until the memory runs out.
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0;
        statm >> pages;
        const rlim_t bound =
            pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20);
        const rlimit limit{bound, bound};
        ::setrlimit(RLIMIT_AS, &limit);
        Endless endless;
        std::istream in(&endless);
        std::ostringstream out, err;
        ConvertTool tool;
        const int status = tool.run({"text", "-"}, {in, out, err, false});
        ::_exit(status == 1 && err.str().find("not enough memory") != std::string::npos ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the child died of signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace sorvel
