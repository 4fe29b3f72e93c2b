#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "shell/InstanceProtocol.h"
#include "shell/WindowList.h"

namespace sorvel::testing {
namespace {

// --- the command line's files ------------------------------------------------

struct FilesCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> files;
    bool newInstance;
    bool handsOver;
    friend void PrintTo(const FilesCase& c, std::ostream* os) { *os << c.name; }
};

class CommandLineFiles : public ::testing::TestWithParam<FilesCase> {};

TEST_P(CommandLineFiles, OpenEveryFileAndHandThemOverUnlessAskedNotTo) {
    const FilesCase& c = GetParam();
    const CommandLine line = CommandLine::parse(c.args);
    EXPECT_EQ(line.files, c.files);
    EXPECT_EQ(line.newInstance, c.newInstance);
    EXPECT_EQ(InstanceProtocol::handsOver(line), c.handsOver);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineFiles,
    ::testing::Values(
        FilesCase{"Nothing", {}, {}, false, true},
        FilesCase{"TwoFilesInOrder", {"b.rtf", "a.rtf"}, {"b.rtf", "a.rtf"}, false, true},
        FilesCase{"NewInstance", {"--new-instance", "a.rtf"}, {"a.rtf"}, true, false},
        FilesCase{"AfterDashesEverythingIsAFile",
                  {"--", "--new-instance", "/p"},
                  {"--new-instance", "/p"},
                  false,
                  true},
        FilesCase{"PrintingStaysHere", {"/p", "a.rtf", "b.rtf"}, {}, false, false},
        FilesCase{"PrintingToAPrinterStaysHere", {"/pt", "a.rtf", "Office"}, {}, false, false},
        FilesCase{"DdeStillOpens", {"/dde", "a.rtf"}, {"a.rtf"}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the socket's name and the request ----------------------------------------

TEST(InstanceProtocol, TheSocketIsNamedForTheUserAndTheDisplayAsASafeFileName) {
    EXPECT_EQ(InstanceProtocol::serverName(1000, ":0"), "sorvel-1000-_0");
    EXPECT_EQ(InstanceProtocol::serverName(1000, "localhost:10.0"), "sorvel-1000-localhost_10_0");
    EXPECT_EQ(InstanceProtocol::serverName(0, "wayland-1"), "sorvel-0-wayland-1");
    EXPECT_EQ(InstanceProtocol::serverName(7, "../x/:1"), "sorvel-7-___x__1");
    EXPECT_NE(InstanceProtocol::serverName(1000, ":0"), InstanceProtocol::serverName(1001, ":0"));
    EXPECT_NE(InstanceProtocol::serverName(1000, ":0"), InstanceProtocol::serverName(1000, ":1"));
}

TEST(InstanceProtocol, FileNamesAreMadeAbsoluteAgainstTheStartsOwnFolder) {
    const CommandLine line = CommandLine::parse({"a.rtf", "../b/c.rtf", "/abs/d.rtf", "./e f.rtf"});
    const InstanceRequest request = InstanceProtocol::requestFor(line, "/home/ann/texts");
    EXPECT_EQ(request.files, (std::vector<std::string>{"/home/ann/texts/a.rtf", "/home/ann/b/c.rtf",
                                                       "/abs/d.rtf", "/home/ann/texts/e f.rtf"}));
}

TEST(InstanceProtocol, ARequestArrivesWholeWhateverItsFileNamesHold) {
    for (const InstanceRequest& sent :
         {InstanceRequest{}, InstanceRequest{{"/a.rtf"}},
          InstanceRequest{{"/odd\nname:12:\xE9.rtf", "/x/2:y", std::string("/nul\0byte", 9)}}}) {
        const std::string message = InstanceProtocol::encode(sent);
        InstanceRequest received{{"/left over"}};
        // Every part of the message is incomplete until the last byte.
        for (std::size_t n = 0; n < message.size(); ++n) {
            ASSERT_EQ(InstanceProtocol::decode(message.substr(0, n), received),
                      InstanceProtocol::Decoded::Incomplete)
                << n;
        }
        ASSERT_EQ(InstanceProtocol::decode(message, received), InstanceProtocol::Decoded::Complete);
        EXPECT_EQ(received, sent);
    }
}

TEST(InstanceProtocol, BytesThatCanNeverBeARequestAreRefused) {
    const std::string tooMany =
        "SORVEL-OPEN 1 " + std::to_string(InstanceProtocol::kMaxFiles + 1) + "\n";
    const std::string tooLong =
        "SORVEL-OPEN 1 1\n" + std::to_string(InstanceProtocol::kMaxMessage + 1) + ":/a";
    for (const std::string& bad :
         {std::string("GET / HTTP/1.0\r\n"), std::string("SORVEL-OPEN 2 "),
          std::string("SORVEL-OPEN 1 x\n"), std::string("SORVEL-OPEN 1 -1\n"),
          std::string("SORVEL-OPEN 1 1\n2:/ab\n"), std::string("SORVEL-OPEN 1 1\n0:\n"),
          std::string("SORVEL-OPEN 1 1\n2x:/a\n"), std::string("SORVEL-OPEN 1 0\nmore"), tooMany,
          tooLong, std::string("SORVEL-OPEN 1 ") + std::string(40, '9')}) {
        InstanceRequest request{{"/kept"}};
        EXPECT_EQ(InstanceProtocol::decode(bad, request), InstanceProtocol::Decoded::Invalid)
            << bad;
        EXPECT_EQ(request.files, std::vector<std::string>{"/kept"}) << bad;
    }
}

// --- the Window menu's list ------------------------------------------------------

std::vector<std::string> titles(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i) {
        out.push_back("RuvoVIR" + std::to_string(i));
    }
    return out;
}

// The rows for the windows RuvoVIR<w + 1> of `windows`, numbered from 1.
std::vector<WindowListRow> rowsOf(const std::vector<std::size_t>& windows, std::size_t active) {
    std::vector<WindowListRow> rows;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const std::size_t w = windows[i];
        rows.push_back(
            {"&" + std::to_string(i + 1) + " RuvoVIR" + std::to_string(w + 1), w, w == active});
    }
    return rows;
}

struct ListCase {
    const char* name;
    std::vector<std::string> titles;
    std::optional<std::size_t> active;
    std::vector<WindowListRow> rows;
    bool more;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
};

class WindowMenuList : public ::testing::TestWithParam<ListCase> {};

TEST_P(WindowMenuList, NumbersNineWindowsAndAlwaysShowsTheActiveOne) {
    const ListCase& c = GetParam();
    EXPECT_EQ(WindowList::rows(c.titles, c.active), c.rows);
    EXPECT_EQ(WindowList::hasMore(c.titles.size()), c.more);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WindowMenuList,
    ::testing::Values(
        ListCase{"None", {}, std::nullopt, {}, false},
        ListCase{"Three",
                 titles(3),
                 1,
                 {{"&1 RuvoVIR1", 0, false}, {"&2 RuvoVIR2", 1, true}, {"&3 RuvoVIR3", 2, false}},
                 false},
        ListCase{"AnAmpersandIsNoAccessKey",
                 {"R&D.rtf", "a.rtf:2"},
                 0,
                 {{"&1 R&&D.rtf", 0, true}, {"&2 a.rtf:2", 1, false}},
                 false},
        ListCase{"NineNeedNoMore", titles(9), 8, rowsOf({0, 1, 2, 3, 4, 5, 6, 7, 8}, 8), false},
        ListCase{"TheTenthActiveTakesTheNinthRow", titles(12), 9,
                 rowsOf({0, 1, 2, 3, 4, 5, 6, 7, 9}, 9), true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
