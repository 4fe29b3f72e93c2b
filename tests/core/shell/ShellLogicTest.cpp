#include <gtest/gtest.h>

#include "shell/CommandLine.h"
#include "shell/RecentFileList.h"
#include "shell/TextSearch.h"
#include "text/MemorySurface.h"

namespace sorvel::testing {
namespace {

// --- recent files ----------------------------------------------------------

TEST(RecentFileList, TheSeventeenthFilePushesTheOldestOut) {
    RecentFileList list(16);
    for (int i = 1; i <= 17; ++i) {
        list.add("/d/f" + std::to_string(i) + ".rtf");
    }
    ASSERT_EQ(list.files().size(), 16u);
    EXPECT_EQ(list.files().front(), "/d/f17.rtf");
    EXPECT_EQ(list.files().back(), "/d/f2.rtf");
}

TEST(RecentFileList, AFileOpenedAgainMovesToTheTopOnce) {
    RecentFileList list(16);
    list.add("/a.rtf");
    list.add("/b.rtf");
    list.add("/a.rtf");
    EXPECT_EQ(list.files(), (std::vector<std::string>{"/a.rtf", "/b.rtf"}));
    list.assign({"/x", "/y", "/x"});
    EXPECT_EQ(list.files(), (std::vector<std::string>{"/x", "/y"}));
}

struct AbbreviateCase {
    const char* name;
    const char* path;
    const char* shown;
    friend void PrintTo(const AbbreviateCase& c, std::ostream* os) { *os << c.name; }
};

class Abbreviate : public ::testing::TestWithParam<AbbreviateCase> {};

TEST_P(Abbreviate, KeepsTheStartAndTheEndWithin30Characters) {
    const std::string shown = RecentFileList::abbreviate(GetParam().path);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_LE(shown.size(), 30u);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Abbreviate,
    ::testing::Values(
        AbbreviateCase{"ShortStaysWhole", "/home/ann/sutta.rtf", "/home/ann/sutta.rtf"},
        AbbreviateCase{"Exactly30", "/home/ann/abcdefghij/file1.rtf",
                       "/home/ann/abcdefghij/file1.rtf"},
        AbbreviateCase{"FoldersFromTheEnd", "/home/ann/documents/pali/suttas/majjhima.rtf",
                       "/.../pali/suttas/majjhima.rtf"},
        AbbreviateCase{"OnlyTheNameFits", "/home/ann/abcdefghijklmnopqrstuvw.rtf",
                       "abcdefghijklmnopqrstuvw.rtf"},
        AbbreviateCase{"ANameTooLongIsCut", "/x/abcdefghijklmnopqrstuvwxyz0123456789.rtf",
                       "abcdefghijklmnopqrstuvwxyz0..."},
        AbbreviateCase{"RelativeKeepsItsFirstFolder", "work/one/two/three/four/five.rtf",
                       "work/.../three/four/five.rtf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecentFileList, MenuRowsAreNumberedWithAnAccessKeyAndShowAmpersands) {
    RecentFileList list(16);
    for (int i = 10; i >= 1; --i) {
        list.add("/d/R&D " + std::to_string(i) + ".rtf");
    }
    EXPECT_EQ(list.menuLabel(0), "&1 /d/R&&D 1.rtf");
    EXPECT_EQ(list.menuLabel(9), "1&0 /d/R&&D 10.rtf");
}

// --- command line ----------------------------------------------------------

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    CommandLine::Action action;
    const char* file;
    const char* printer;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class CommandLineParse : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineParse, FollowsTheShellsConvention) {
    const CommandLine line = CommandLine::parse(GetParam().args);
    EXPECT_EQ(line.action, GetParam().action);
    EXPECT_EQ(line.file, GetParam().file);
    EXPECT_EQ(line.printer, GetParam().printer);
}

using A = CommandLine::Action;
INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineParse,
    ::testing::Values(LineCase{"Nothing", {}, A::NewDocument, "", ""},
                      LineCase{"AFile", {"letter.doc"}, A::Open, "letter.doc", ""},
                      LineCase{"PrintWithoutAFile", {"/p"}, A::Print, "", ""},
                      LineCase{"AbsolutePath", {"/home/ann/p.doc"}, A::Open, "/home/ann/p.doc", ""},
                      LineCase{"Print", {"/p", "a.doc"}, A::Print, "a.doc", ""},
                      LineCase{"PrintUpperCase", {"/P", "a.doc"}, A::Print, "a.doc", ""},
                      LineCase{
                          "PrintTo", {"/pt", "a.doc", "Office"}, A::PrintTo, "a.doc", "Office"},
                      LineCase{"DdeIsIgnored", {"/dde"}, A::NewDocument, "", ""},
                      LineCase{"DdeWithAFile", {"-dde", "b.doc"}, A::Open, "b.doc", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, DdeIsRemembered) {
    EXPECT_TRUE(CommandLine::parse({"/dde"}).dde);
    EXPECT_FALSE(CommandLine::parse({"x"}).dde);
}

// --- finding text ----------------------------------------------------------

struct FindCase {
    const char* name;
    const char* text;
    const char* what;
    Selection from;
    SearchOptions options;
    std::optional<Selection> found;
    friend void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }
};

class Find : public ::testing::TestWithParam<FindCase> {};

TEST_P(Find, FindsTheNextMatch) {
    const FindCase& c = GetParam();
    EXPECT_EQ(TextSearch::find(c.text, c.what, c.from, c.options), c.found);
}

SearchOptions opts(bool matchCase, bool wholeWord, bool down) {
    return SearchOptions{matchCase, wholeWord, down};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Find,
    ::testing::Values(
        FindCase{"DownFromTheCaret",
                 "sati sati sati",
                 "sati",
                 {1, 1},
                 opts(false, false, true),
                 Selection{5, 9}},
        FindCase{"DownAfterTheSelection",
                 "sati sati",
                 "sati",
                 {0, 4},
                 opts(false, false, true),
                 Selection{5, 9}},
        FindCase{"WrapsRoundToTheStart",
                 "sati x",
                 "sati",
                 {3, 3},
                 opts(false, false, true),
                 Selection{0, 4}},
        FindCase{"UpFindsTheOneBefore",
                 "ab ab ab",
                 "ab",
                 {6, 8},
                 opts(false, false, false),
                 Selection{3, 5}},
        FindCase{
            "UpWrapsToTheEnd", "ab ab", "ab", {0, 2}, opts(false, false, false), Selection{3, 5}},
        FindCase{
            "CaseIgnored", "Buddha", "buddha", {0, 0}, opts(false, false, true), Selection{0, 6}},
        FindCase{"CaseMatched", "Buddha", "buddha", {0, 0}, opts(true, false, true), std::nullopt},
        FindCase{"HighBytesAlwaysExact",
                 "\xE2\xC2",
                 "\xC2",
                 {0, 0},
                 opts(false, false, true),
                 Selection{1, 2}},
        FindCase{"WholeWordSkipsParts",
                 "dhammapada dhamma",
                 "dhamma",
                 {0, 0},
                 opts(false, true, true),
                 Selection{11, 17}},
        FindCase{"APaliLetterIsPartOfAWord",
                 "dhamma\xB9 dhamma",
                 "dhamma",
                 {0, 0},
                 opts(false, true, true),
                 Selection{8, 14}},
        FindCase{"NothingToFind", "abc", "x", {0, 0}, opts(false, false, true), std::nullopt},
        FindCase{"EmptyFindsNothing", "abc", "", {0, 0}, opts(false, false, true), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextSearch, ReplaceReplacesTheSelectedMatchAndSelectsTheNext) {
    MemorySurface s;
    s.setWindowText("sati and sati");
    s.setSel(0, 4);
    EXPECT_TRUE(TextSearch::replace(s, "sati", "sa\xF1\xF1\xE2", SearchOptions{}));
    EXPECT_EQ(s.getWindowText(), "sa\xF1\xF1\xE2 and sati");
    EXPECT_EQ(s.getSel(), (Selection{10, 14}));
    EXPECT_TRUE(s.canUndo()) << "a replacement can be undone";
}

TEST(TextSearch, ReplaceAllReplacesEveryMatchOnceWithoutRescanning) {
    MemorySurface s;
    s.setWindowText("aa a aa\r\naa");
    EXPECT_EQ(TextSearch::replaceAll(s, "aa", "aaa", SearchOptions{false, true, true}), 3);
    EXPECT_EQ(s.getWindowText(), "aaa a aaa\r\naaa");
    EXPECT_EQ(TextSearch::replaceAll(s, "zz", "y", SearchOptions{}), 0);
}

}  // namespace
}  // namespace sorvel::testing
