#include "usertable/ExampleTables.h"

#include <gtest/gtest.h>

#include <map>

#include "core/usertable/TableTestSupport.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"
#include "usertable/LoadTable.h"
#include "usertable/TableAuthoring.h"

namespace sorvel::testing {
namespace {

struct ExampleCase {
    const char* name;
    ExampleTable example;
    std::string title;
    std::string tableLines;  // from the font line to the end of the text
    std::string font;
    std::size_t entries;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }
};

const char kExampleEnd[] = "END OF TRANSLITERATION CODES - do not delete this line.";

class Example : public ::testing::TestWithParam<ExampleCase> {
  protected:
    // Inserts the example into an empty document, saves it with the table
    // command and loads the saved file.
    void insertSaveAndLoad() {
        insertExampleTable(t.view, GetParam().example);
        t.platform.expectFileDialog(dir.file("example.txt"));
        saveTransliterationTable(t.view);
        t.platform.expectFileDialog(dir.file("example.txt"));
        loadTransliterationTable(t.view);
    }

    TempDirectory dir;
    TestView t;
};

TEST_P(Example, HasItsTitleAndEndsWithItsTableLines) {
    const std::string_view text = exampleTableText(GetParam().example);
    EXPECT_TRUE(text.starts_with(GetParam().title + "\n")) << text.substr(0, 60);
    EXPECT_TRUE(text.ends_with(GetParam().tableLines));
    EXPECT_TRUE(text.ends_with(kExampleEnd)) << "the end line has no line end";
}

TEST_P(Example, SavedAndLoadedGivesItsEntries) {
    insertSaveAndLoad();
    EXPECT_EQ(t.state.userTableFont, GetParam().font);
    EXPECT_TRUE(t.state.userTableOn);
    EXPECT_EQ(tableEntries(t.state).size(), GetParam().entries);
    const std::string saved = dir.read("example.txt");
    EXPECT_TRUE(saved.ends_with(std::string(kExampleEnd) + "\r\n"));
    EXPECT_EQ(saved.find("\n\n"), std::string::npos) << "every line ends CR LF";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Example,
    ::testing::Values(
        ExampleCase{
            "Norwegian", ExampleTable::Norwegian,
            "Example: A Simple Transiteration table for Norwegian",
            std::string("FONT: Arial\n0216\tCapital O with a slash through it\n0248\t/o\n") +
                kExampleEnd,
            "Arial", 2},
        ExampleCase{"Sinhalese", ExampleTable::Sinhalese,
                    "Example: A Simple Transiteration table for Sinhalese",
                    std::string("FONT: VriSiNhala CN\n0214\teo\n0214\t@o\n") + kExampleEnd,
                    "VriSiNhala CN", 2},
        ExampleCase{"Western", ExampleTable::WesternLanguages, "Example: 12 Western Languages",
                    std::string("0254\tt+h\n0255\t:y\n") + kExampleEnd, "Times New Roman", 122}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExampleEntries, NorwegianAndSinhalese) {
    TempDirectory dir;
    for (const auto& [example, expected] :
         std::vector<std::pair<ExampleTable, std::vector<CodePair>>>{
             {ExampleTable::Norwegian,
              {{"Capital O with a slash through it", "\xD8"}, {"/o", "\xF8"}}},
             {ExampleTable::Sinhalese, {{"eo", "\xD6"}, {"@o", "\xD6"}}}}) {
        TestView t;
        insertExampleTable(t.view, example);
        t.platform.expectFileDialog(dir.file("e.txt"));
        saveTransliterationTable(t.view);
        t.platform.expectFileDialog(dir.file("e.txt"));
        loadTransliterationTable(t.view);
        EXPECT_EQ(tableEntries(t.state), expected);
    }
}

class Western : public ::testing::Test {
  protected:
    void SetUp() override {
        insertExampleTable(t.view, ExampleTable::WesternLanguages);
        t.platform.expectFileDialog(dir.file("western.txt"));
        saveTransliterationTable(t.view);
        t.platform.expectFileDialog(dir.file("western.txt"));
        loadTransliterationTable(t.view);
        entries = tableEntries(t.state);
    }

    TempDirectory dir;
    TestView t;
    std::vector<CodePair> entries;
};

TEST_F(Western, RowsRunFrom126To255WithoutTheUnusedCodes) {
    std::vector<int> expected;
    for (int n = 126; n <= 255; ++n) {
        if (n != 127 && n != 129 && n != 141 && n != 142 && n != 143 && n != 144 && n != 157 &&
            n != 158) {
            expected.push_back(n);
        }
    }
    std::vector<int> got;
    for (const CodePair& e : entries) {
        ASSERT_EQ(e.replacement.size(), 1u) << e.code;
        got.push_back(static_cast<unsigned char>(e.replacement[0]));
    }
    EXPECT_EQ(got, expected);
}

TEST_F(Western, TellingRowsAreExact) {
    std::map<int, std::string> byCode;
    for (const CodePair& e : entries) {
        byCode[static_cast<unsigned char>(e.replacement[0])] = e.code;
    }
    EXPECT_EQ(byCode[128], "ThisUnsupportedWindowsCharacterIsNow_$e_the_Euro_sign");
    EXPECT_EQ(byCode[193], "/A");
    EXPECT_EQ(byCode[196], "::A");
    EXPECT_EQ(byCode[198], "A+E");
    EXPECT_EQ(byCode[209], "~N");
    EXPECT_EQ(byCode[216], "--O");
    EXPECT_EQ(byCode[223], "sz");
    EXPECT_EQ(byCode[224], "\\a");
    EXPECT_EQ(byCode[241], "~n");
    EXPECT_EQ(byCode[255], ":y");
}

// A code that is part of another would fire while the longer one is typed,
// and that character could never be typed. So each code, typed on a line of
// its own in the table's font, must give exactly its character.
TEST_F(Western, EveryCodeTypesItsCharacter) {
    t.setText("", "Times New Roman");
    for (const CodePair& e : entries) {
        t.surface.setSel(0, -1);
        t.surface.replaceSel("", false);
        t.type(e.code);
        EXPECT_EQ(t.text(), e.replacement) << "code " << e.code;
    }
}

TEST_F(Western, CodesDoNothingInAnotherFont) {
    t.setText("", "Arial");
    t.type("/e ::A sz");
    EXPECT_EQ(t.text(), "/e ::A sz");
}

}  // namespace
}  // namespace sorvel::testing
