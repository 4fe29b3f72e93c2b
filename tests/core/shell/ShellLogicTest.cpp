#include <gtest/gtest.h>

#include "shell/CommandLine.h"
#include "shell/RecentFileList.h"
#include "shell/TextSearch.h"
#include "support/TestView.h"
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
    EXPECT_TRUE(TextSearch::replace(s, SearchText::bytes("sati"),
                                    SearchText::bytes("sa\xF1\xF1\xE2"), SearchOptions{}));
    EXPECT_EQ(s.getWindowText(), "sa\xF1\xF1\xE2 and sati");
    EXPECT_EQ(s.getSel(), (Selection{10, 14}));
    EXPECT_TRUE(s.canUndo()) << "a replacement can be undone";
}

TEST(TextSearch, ReplaceAllReplacesEveryMatchOnceWithoutRescanning) {
    MemorySurface s;
    s.setWindowText("aa a aa\r\naa");
    EXPECT_EQ(TextSearch::replaceAll(s, SearchText::bytes("aa"), SearchText::bytes("aaa"),
                                     SearchOptions{false, true, true}),
              3);
    EXPECT_EQ(s.getWindowText(), "aaa a aaa\r\naaa");
    EXPECT_EQ(
        TextSearch::replaceAll(s, SearchText::bytes("zz"), SearchText::bytes("y"), SearchOptions{}),
        0);
}

// A document: "sara.na.m " in Arial, the same word in VriRomanPali and in
// Times_CSX+, then "año" in Arial.
MemorySurface paliDocument() {
    MemorySurface s;
    RichText text;
    text.append("sara.na.m ", face("Arial"));
    text.append(
        "sara\xBA"
        "a\xBD ",
        face("VriRomanPali CN"));
    text.append(
        "sara\xF5"
        "a\xFC ",
        face("Times_CSX+"));
    text.append("a\xF1o", face("Arial"));
    s.setDocument(text);
    return s;
}

struct PaliFindCase {
    const char* name;
    const char* typed;  // UTF-8
    SearchOptions options;
    std::vector<Selection> found;  // every match, Find Next after Find Next
    friend void PrintTo(const PaliFindCase& c, std::ostream* os) { *os << c.name; }
};

class PaliFind : public ::testing::TestWithParam<PaliFindCase> {};

TEST_P(PaliFind, FindsTheLettersInEveryFontAndThePlainSpelling) {
    const PaliFindCase& c = GetParam();
    MemorySurface s = paliDocument();
    const SearchText what = SearchText::typed(c.typed);
    std::vector<Selection> found;
    for (std::size_t i = 0; i < c.found.size() + 1 && TextSearch::findNext(s, what, c.options);
         ++i) {
        found.push_back(s.getSel());
    }
    // The search goes round: the first match comes again.
    std::vector<Selection> expected = c.found;
    if (!expected.empty()) {
        expected.push_back(expected.front());
    }
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaliFind,
    ::testing::Values(
        PaliFindCase{"StandardTransliteration", "sara.na.m", {}, {{0, 9}, {10, 17}, {18, 25}}},
        PaliFindCase{"UnicodePali", "sara\u1E47a\u1E43", {}, {{0, 9}, {10, 17}, {18, 25}}},
        PaliFindCase{"CombiningAccents",
                     "sara"
                     "n\u0323a",
                     {},
                     {{0, 7}, {10, 16}, {18, 24}}},
        PaliFindCase{"CapitalIgnoringCase", "SARA.Na", {}, {{0, 7}, {10, 16}, {18, 24}}},
        PaliFindCase{"CapitalMatchingCase", "SARA.Na", {true, false, true}, {}},
        PaliFindCase{"PlainTextAsBefore", "ara", {}, {{1, 4}, {11, 14}, {19, 22}}},
        PaliFindCase{"CopiedBytesAsBefore", "\u00BAa\u00BD", {}, {{14, 17}}},
        PaliFindCase{"TildeNInPlainText", "a\u00F1o", {}, {{26, 29}}},
        PaliFindCase{"WholeWord", ".na.m", {false, true, true}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaliFind, ReplacePutsTheReplacementIntoEachRunsFontCodes) {
    MemorySurface s = paliDocument();
    EXPECT_EQ(TextSearch::replaceAll(s, SearchText::typed("sara.na.m"),
                                     SearchText::typed("dhamma\u1E43"), SearchOptions{}),
              3);
    EXPECT_EQ(s.getWindowText(), "dhamma.m dhamma\xBD dhamma\xFC a\xF1o");

    s.setSel(0, 0);
    EXPECT_TRUE(TextSearch::findNext(s, SearchText::typed("dhamma.m"), SearchOptions{}));
    EXPECT_TRUE(TextSearch::replace(s, SearchText::typed("dhamma.m"), SearchText::typed("~na"),
                                    SearchOptions{}));
    EXPECT_EQ(s.getWindowText(), "~na dhamma\xBD dhamma\xFC a\xF1o");
    EXPECT_EQ(s.getSel(), (Selection{4, 11})) << "the next match, in VriRomanPali";
}

TEST(PaliFind, TheMessageQuotesWhatWasTyped) {
    EXPECT_EQ(TextSearch::notFoundMessage(SearchText::typed("sara\u1E47a\u1E43")),
              "Cannot find the string 'sara\u1E47a\u1E43'.");
}

}  // namespace
}  // namespace sorvel::testing
