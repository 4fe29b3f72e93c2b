#include "usertable/TableAuthoring.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/usertable/TableTestSupport.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"
#include "usertable/LoadTable.h"
#include "usertable/TableFileDialog.h"
#include "usertable/TableTexts.h"

namespace sorvel::testing {
namespace {

const std::string kConfirm(kConfirmTableDocumentQuestion);

// ---- the confirmation, for every command that inserts into a document ------

struct InsertCase {
    const char* name;
    // Scripts the dialogs that follow a Yes (the file or font to choose).
    std::function<void(ScriptedPlatform&, const TempDirectory&)> afterYes;
    std::function<void(ViewContext&)> run;
    std::string_view expectedStart;
    bool replacesWholeText = false;
    friend void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }
};

class InsertCommand : public ::testing::TestWithParam<InsertCase> {
  protected:
    TempDirectory dir;
    TestView t;
};

TEST_P(InsertCommand, AsksNothingInAnEmptyDocument) {
    GetParam().afterYes(t.platform, dir);
    GetParam().run(t.view);
    EXPECT_TRUE(t.text().starts_with(GetParam().expectedStart)) << t.text().substr(0, 80);
    EXPECT_EQ(t.surface.getSel(), (Selection{0, 0}));
}

TEST_P(InsertCommand, NoInADocumentWithTextChangesNothing) {
    t.setText("My QZX text");
    t.platform.expectYesNo(kConfirm, false);
    GetParam().run(t.view);
    EXPECT_EQ(t.text(), "My QZX text");
    EXPECT_EQ(t.surface.getSel(), (Selection{11, 11}));
}

TEST_P(InsertCommand, YesGoesOnInADocumentWithText) {
    t.setText("My QZX text");
    t.surface.setSel(3, 6);
    t.platform.expectYesNo(kConfirm, true);
    GetParam().afterYes(t.platform, dir);
    GetParam().run(t.view);
    const std::string text = t.text();
    if (GetParam().replacesWholeText) {
        EXPECT_TRUE(text.starts_with(GetParam().expectedStart));
        EXPECT_EQ(text.find("My "), std::string::npos);
    } else {
        EXPECT_TRUE(text.starts_with(std::string("My ") + std::string(GetParam().expectedStart)));
        EXPECT_TRUE(text.ends_with(" text")) << "the insertion replaces the selection";
        EXPECT_EQ(text.find("QZX"), std::string::npos);
    }
    EXPECT_EQ(t.surface.getSel(), (Selection{0, 0}));
}

void noDialogs(ScriptedPlatform&, const TempDirectory&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertCommand,
    ::testing::Values(
        InsertCase{"Create",
                   [](ScriptedPlatform& p, const TempDirectory&) {
                       p.expectFontDialog(fontChoice("Arial"));
                   },
                   createTransliterationTable,
                   "This is the document you use to create your transliteration table."},
        InsertCase{"Instructions", noDialogs, showTableInstructions,
                   "Transliteration Instructions\r\n"},
        InsertCase{"Norwegian", noDialogs,
                   [](ViewContext& v) { insertExampleTable(v, ExampleTable::Norwegian); },
                   "Example: A Simple Transiteration table for Norwegian\r\n"},
        InsertCase{"Sinhalese", noDialogs,
                   [](ViewContext& v) { insertExampleTable(v, ExampleTable::Sinhalese); },
                   "Example: A Simple Transiteration table for Sinhalese\r\n"},
        InsertCase{"Western", noDialogs,
                   [](ViewContext& v) { insertExampleTable(v, ExampleTable::WesternLanguages); },
                   "Example: 12 Western Languages\r\n"},
        InsertCase{"OpenForEditing",
                   [](ScriptedPlatform& p, const TempDirectory& d) {
                       d.write("open.txt", "FONT: Arial\nEND OF TRANSLITERATION\n");
                       p.expectFileDialog(d.file("open.txt"));
                   },
                   openTableForEditing, "FONT: Arial\r\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the template -----------------------------------------------------------

TEST(CreateTable, InsertsTheTemplateForTheChosenFontAtTheCaret) {
    TestView t;
    t.platform.expectFontDialog(fontChoice("Gentium Plus"), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.fonts, FontList::ScreenOnly);
        EXPECT_TRUE(r.mustExist);
        EXPECT_EQ(r.initial.faceName, "Times New Roman") << "opened on the caret's format";
    });
    createTransliterationTable(t.view);
    const std::string text = t.text();

    EXPECT_TRUE(text.starts_with(std::string(RichText::normalizeBreaks(tableTemplateIntro())) +
                                 "FONT: Gentium Plus\r\n"));
    EXPECT_TRUE(
        text.ends_with("0255\tYour_Translit_Or_Delete_This_Line\r\n"
                       "END OF TRANSLITERATION CODES - (do not delete this line)\r\n"));
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "Times New Roman")
        << "the chosen font is only named";

    int rows = 0, unsupported = 0;
    std::string expected;
    for (int n = 64; n <= 255; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", n);
        const bool no =
            n == 127 || n == 128 || n == 129 || (n >= 141 && n <= 144) || n == 157 || n == 158;
        expected += std::string(number) + "\t" +
                    (no ? "Not supported by Windows" : "Your_Translit_Or_Delete_This_Line") +
                    "\r\n";
    }
    const std::size_t first = text.find("0064\t");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(text.substr(first, expected.size()), expected);
    for (std::size_t p = text.find("\r\n0"); p != std::string::npos;
         p = text.find("\r\n0", p + 1)) {
        ++rows;
        unsupported += text.compare(p + 7, 24, "Not supported by Windows") == 0;
    }
    EXPECT_EQ(rows, 192);
    EXPECT_EQ(unsupported, 9);
}

TEST(CreateTable, CancelledFontDialogInsertsNothing) {
    TestView t;
    t.platform.expectFontDialog(std::nullopt);
    createTransliterationTable(t.view);
    EXPECT_EQ(t.text(), "");
}

// ---- saving --------------------------------------------------------------------

class SaveTable : public ::testing::Test {
  protected:
    void save(const std::string& name = "saved.txt") {
        t.platform.expectFileDialog(dir.file(name),
                                    [](const FileDialogRequest& r) { EXPECT_TRUE(r.save); });
        saveTransliterationTable(t.view);
    }

    TempDirectory dir;
    TestView t;
};

TEST_F(SaveTable, WritesLinesUpToTheEndLineSelectsAllAndMarksUnchanged) {
    t.setText("a comment\r\nFONT: Arial\r\n0248\t/o\r\nEND OF TRANSLITERATION xyz\r\nafter\r\n");
    t.surface.setSel(2, 2);
    t.surface.setModify(true);
    save();
    EXPECT_EQ(dir.read("saved.txt"),
              "a comment\r\nFONT: Arial\r\n0248\t/o\r\nEND OF TRANSLITERATION xyz\r\n");
    EXPECT_EQ(t.surface.getSel(), (Selection{0, t.surface.getTextLength()}));
    EXPECT_FALSE(t.surface.getModify());
}

TEST_F(SaveTable, WritesAnyTextWholeAndEndsTheLastLine) {
    t.setText("no font line\r\nno end line");
    save();
    EXPECT_EQ(dir.read("saved.txt"), "no font line\r\nno end line\r\n");
}

TEST_F(SaveTable, EmptyDocumentIsOneEmptyLine) {
    save();
    EXPECT_EQ(dir.read("saved.txt"), "\r\n");
}

TEST_F(SaveTable, OverwritesAnExistingFileWithoutAsking) {
    dir.write("saved.txt", "old content that is longer than the new\r\n");
    t.setText("new");
    save();
    EXPECT_EQ(dir.read("saved.txt"), "new\r\n");
}

TEST_F(SaveTable, OpeningAndSavingAgainKeepsTheFileAsItWas) {
    const std::string file = "line one\r\n\r\nline three\r\n";
    dir.write("plain.txt", file);
    t.platform.expectFileDialog(dir.file("plain.txt"));
    openTableForEditing(t.view);
    for (int round = 0; round < 3; ++round) {
        save("plain.txt");
        EXPECT_EQ(dir.read("plain.txt"), file) << "round " << round;
        t.platform.expectYesNo(kConfirm, true);
        t.platform.expectFileDialog(dir.file("plain.txt"));
        openTableForEditing(t.view);
        EXPECT_EQ(t.text(), file);
    }
}

TEST_F(SaveTable, FailedSaveReportsAndChangesNothing) {
    // A folder where the file should go: it can be neither replaced nor written.
    std::filesystem::create_directory(dir.path() / "taken.txt");
    std::filesystem::create_directory(dir.path() / "taken.txt" / "inside");
    t.setText("abc");
    t.surface.setSel(1, 2);
    t.surface.setModify(true);
    t.platform.expectFileDialog(dir.file("taken.txt"));
    t.platform.expectMessage(openFailureMessage(dir.file("taken.txt")));
    saveTransliterationTable(t.view);
    EXPECT_TRUE(t.surface.getModify());
    EXPECT_EQ(t.surface.getSel(), (Selection{1, 2}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken.txt" / "inside"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), "taken.txt") << "no temporary file is left behind";
    }
}

TEST_F(SaveTable, RefusedExtensionWritesNothing) {
    t.setText("abc");
    t.platform.expectFileDialog(dir.file("saved.rtf"));
    t.platform.expectMessage(std::string(kWrongExtensionMessage));
    saveTransliterationTable(t.view);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "saved.rtf"));
}

TEST_F(SaveTable, TemplateSavedAndLoadedGivesAPlaceholderEntryPerRow) {
    t.platform.expectFontDialog(fontChoice("Gentium"));
    createTransliterationTable(t.view);
    save();
    t.platform.expectFileDialog(dir.file("saved.txt"));
    loadTransliterationTable(t.view);
    const std::vector<CodePair> entries = tableEntries(t.state);
    ASSERT_EQ(entries.size(), 192u);
    EXPECT_EQ(entries.front(), (CodePair{"Your_Translit_Or_Delete_This_Line", "@"}));
    EXPECT_EQ(entries[127 - 64], (CodePair{"Not supported by Windows", "\x7F"}));
    EXPECT_EQ(entries.back(), (CodePair{"Your_Translit_Or_Delete_This_Line", "\xFF"}));
    EXPECT_EQ(t.state.userTableFont, "Gentium");
}

// ---- opening for editing ------------------------------------------------------

TEST(OpenForEditing, ReplacesTheWholeTextAndLeavesTheModesAlone) {
    TempDirectory dir;
    TestView t;
    dir.write("t.txt", "FONT: Arial\n0248\t/o\nlast line without end");
    t.setText("existing text that goes");
    t.state.paliEntryOn = true;
    t.platform.expectYesNo(kConfirm, true);
    t.platform.expectFileDialog(dir.file("t.txt"));
    openTableForEditing(t.view);
    EXPECT_EQ(t.text(), "FONT: Arial\r\n0248\t/o\r\nlast line without end\r\n");
    EXPECT_TRUE(t.state.paliEntryOn);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_EQ(t.state.userTableFont, "");
}

TEST(OpenForEditing, MissingFileShowsTheOpenFailureMessage) {
    TempDirectory dir;
    TestView t;
    t.platform.expectFileDialog(dir.file("none.txt"));
    t.platform.expectMessage(openFailureMessage(dir.file("none.txt")));
    openTableForEditing(t.view);
    EXPECT_EQ(t.text(), "");
}

TEST(OpenForEditing, DecliningAsksForNoFile) {
    TestView t;
    t.setText("x");
    t.platform.expectYesNo(kConfirm, false);
    openTableForEditing(t.view);
    EXPECT_EQ(t.text(), "x");
}

// ---- unload and the switch ------------------------------------------------------

TEST(Unload, ForgetsTheFontSwitchesOffAndSaysSo) {
    TestView t;
    t.state.userTableFont = "Arial";
    t.state.userTableOn = true;
    t.state.paliEntryOn = true;
    t.state.userTable[0] = {"/o", "\xF8"};
    t.platform.expectMessage("Your transliteration table is unloaded!");
    unloadTransliterationTable(t.view);
    EXPECT_EQ(t.state.userTableFont, "");
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_TRUE(t.state.paliEntryOn);
    EXPECT_EQ(t.state.userTable[0], (CodePair{"/o", "\xF8"}));
}

TEST(Unload, WithNoTableLoadedStillSaysSo) {
    TestView t;
    t.platform.expectMessage("Your transliteration table is unloaded!");
    unloadTransliterationTable(t.view);
    EXPECT_EQ(t.platform.messages().size(), 1u);
}

TEST(UserTransliterationSwitch, IsDisabledUntilATableIsLoadedAndAfterUnload) {
    TempDirectory dir;
    TestView t;
    CommandStatus status;
    updateUserTransliterationCommand(t.state, status);
    EXPECT_FALSE(status.enabled);
    EXPECT_EQ(status.check, 0);

    dir.write("n.txt", "FONT: Arial\nEND OF TRANSLITERATION\n");
    t.platform.expectFileDialog(dir.file("n.txt"));
    loadTransliterationTable(t.view);
    updateUserTransliterationCommand(t.state, status);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.check, 1);

    toggleUserTransliteration(t.view);
    updateUserTransliterationCommand(t.state, status);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.check, 0);

    t.platform.expectMessage(std::string(kTableUnloadedMessage));
    unloadTransliterationTable(t.view);
    updateUserTransliterationCommand(t.state, status);
    EXPECT_FALSE(status.enabled);
    EXPECT_EQ(status.check, 0);
}

TEST(UserTransliterationSwitch, OnSwitchesPaliEntryOffAndShowsTheCrossHair) {
    TestView t;
    t.state.userTableFont = "Arial";
    t.state.paliEntryOn = true;
    toggleUserTransliteration(t.view);
    EXPECT_TRUE(t.state.userTableOn);
    EXPECT_FALSE(t.state.paliEntryOn);
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::Cross);

    t.platform.setCursorShape(CursorShape::Arrow);
    t.state.paliEntryOn = true;
    toggleUserTransliteration(t.view);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_FALSE(t.state.paliEntryOn);
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::Arrow) << "off leaves the pointer alone";
}

}  // namespace
}  // namespace sorvel::testing
