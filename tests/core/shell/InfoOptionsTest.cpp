#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/SorvelVersion.h"
#include "shell/InfoOptions.h"

namespace sorvel {
namespace {

enum class Answer { Start, Help, Version };

struct InfoCase {
    const char* name;
    std::vector<const char*> args;  // after the program name
    Answer answer;
    friend void PrintTo(const InfoCase& c, std::ostream* os) { *os << c.name; }
};

class InfoOptions : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoOptions, AnswerOnlyTheRequestsThatNeedNoWindow) {
    std::vector<const char*> argv = {"sorvel"};
    argv.insert(argv.end(), GetParam().args.begin(), GetParam().args.end());
    argv.push_back(nullptr);
    std::ostringstream out;
    const auto status = answerInfoOptions(static_cast<int>(argv.size()) - 1, argv.data(), out);
    switch (GetParam().answer) {
        case Answer::Start:
            EXPECT_FALSE(status.has_value());
            EXPECT_EQ(out.str(), "");
            break;
        case Answer::Help:
            ASSERT_TRUE(status.has_value());
            EXPECT_EQ(*status, 0);
            EXPECT_TRUE(out.str().starts_with("Usage: sorvel [--new-instance] [FILE...]\n"))
                << out.str();
            break;
        case Answer::Version:
            ASSERT_TRUE(status.has_value());
            EXPECT_EQ(*status, 0);
            EXPECT_EQ(out.str(), "Sorvel 2.0.0.1\nFile version 1.0.0.1\n");
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InfoOptions,
    ::testing::Values(InfoCase{"NoArguments", {}, Answer::Start},
                      InfoCase{"AFile", {"letter.rtf"}, Answer::Start},
                      InfoCase{"QtOption", {"-platform", "offscreen"}, Answer::Start},
                      InfoCase{"OptionLikeValueOfQt", {"-style", "fusion"}, Answer::Start},
                      InfoCase{"Help", {"--help"}, Answer::Help},
                      InfoCase{"ShortHelp", {"-h"}, Answer::Help},
                      InfoCase{"Version", {"--version"}, Answer::Version},
                      InfoCase{"ShortVersion", {"-v"}, Answer::Version},
                      InfoCase{"HelpAfterAFile", {"letter.rtf", "--help"}, Answer::Help},
                      InfoCase{"FirstRequestCounts", {"--version", "--help"}, Answer::Version},
                      InfoCase{"FileNamedLikeAnOptionAfterDashes", {"--", "--help"}, Answer::Start},
                      InfoCase{"LongerOptionIsNoRequest", {"--helpful"}, Answer::Start}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfoOptionsHelp, NamesTheSummaryAndBothRequests) {
    const char* argv[] = {"sorvel", "--help", nullptr};
    std::ostringstream out;
    ASSERT_EQ(answerInfoOptions(2, argv, out), 0);
    EXPECT_NE(out.str().find(SORVEL_SUMMARY), std::string::npos);
    EXPECT_NE(out.str().find("--version"), std::string::npos);
}

TEST(InfoOptionsHelp, AFailedWriteIsNoSuccess) {
    const char* argv[] = {"sorvel", "--version", nullptr};
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(answerInfoOptions(2, argv, out), 1);
}

}  // namespace
}  // namespace sorvel
