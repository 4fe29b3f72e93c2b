#include "usertable/LoadTable.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/usertable/TableTestSupport.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"
#include "usertable/TableFileDialog.h"

namespace sorvel::testing {
namespace {

const std::string kNorwegianFile =
    crlfLines({"Example", "FONT: Arial", "0216\tCapital O with a slash through it", "0248\t/o",
               "END OF TRANSLITERATION CODES - do not delete this line."});

class LoadTable : public ::testing::Test {
  protected:
    LoadTable() {
        t.state.plainFormat = face("Times New Roman");
        t.state.plainFormat.height = 220;
        t.state.plainFormat.effects = chareffect::Italic | chareffect::AutoColor;
        t.state.plainFormat.color = 0x00112233;
        t.state.plainFormat.charSet = 2;
        t.state.plainFormat.offset = 40;
    }

    // Loads `bytes` through the file dialog as the user would.
    void load(std::string_view bytes, std::string_view name = "table.txt") {
        dir.write(name, bytes);
        t.platform.expectFileDialog(dir.file(name));
        loadTransliterationTable(t.view);
    }

    TempDirectory dir;
    TestView t;
};

TEST_F(LoadTable, LoadsTheTableSwitchesModesAndPutsItsFormatAtTheCaret) {
    t.setText("text ");
    t.state.paliEntryOn = true;
    t.state.userTableFormat.pitchAndFamily = 0x22;
    t.platform.expectFileDialog(dir.file("norwegian.txt"), [](const FileDialogRequest& r) {
        EXPECT_FALSE(r.save);
        ASSERT_EQ(r.filters.size(), 1u);
        EXPECT_EQ(r.filters[0].shown(), "Text Files (*.txt)");
        EXPECT_EQ(r.filters[0].pattern, "*.txt");
        EXPECT_EQ(r.defaultExtension, "txt");
        EXPECT_EQ(r.initialName, "*.txt");
        EXPECT_TRUE(r.hideReadOnly);
    });
    dir.write("norwegian.txt", kNorwegianFile);
    loadTransliterationTable(t.view);

    EXPECT_EQ(
        tableEntries(t.state),
        (std::vector<CodePair>{{"Capital O with a slash through it", "\xD8"}, {"/o", "\xF8"}}));
    EXPECT_EQ(t.state.userTableFont, "Arial");
    EXPECT_TRUE(t.state.userTableOn);
    EXPECT_FALSE(t.state.paliEntryOn);
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::Cross);

    const FontDescription& f = t.state.userTableFormat;
    EXPECT_EQ(f.mask, 0xF8000003u);
    EXPECT_EQ(f.faceName, "Arial");
    EXPECT_EQ(f.effects, chareffect::Italic | chareffect::AutoColor);
    EXPECT_EQ(f.height, 220);
    EXPECT_EQ(f.offset, 40);
    EXPECT_EQ(f.color, 0x00112233u);
    EXPECT_EQ(f.charSet, 2);
    EXPECT_EQ(f.pitchAndFamily, 0x22) << "the pitch-and-family byte is left as it was";

    const FontDescription caret = t.surface.getCharFormatSelection();
    EXPECT_EQ(caret.faceName, "Arial");
    EXPECT_EQ(caret.height, 220);
    EXPECT_EQ(t.text(), "text ") << "loading inserts nothing";

    t.type("/o and ");
    EXPECT_EQ(t.text(), "text \xF8 and ");
}

TEST_F(LoadTable, AppliesTheFormatToTheSelection) {
    t.setText("abc");
    t.surface.setSel(1, 2);
    load(kNorwegianFile);
    EXPECT_EQ(t.surface.document().formatAt(1).faceName, "Arial");
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "Times New Roman");
    EXPECT_EQ(t.surface.document().formatAt(2).faceName, "Times New Roman");
}

TEST_F(LoadTable, ANewTableReplacesTheOldOneEntirely) {
    load(crlfLines({"FONT: Times", "0065\ta", "0066\tb", "0067\tc", "END OF TRANSLITERATION"}));
    load(kNorwegianFile);
    EXPECT_EQ(tableEntries(t.state).size(), 2u);
    EXPECT_EQ(t.state.userTable[2], endPair());
    EXPECT_EQ(t.state.userTableFont, "Arial");
}

TEST_F(LoadTable, EndLineBeforeFontLineKeepsThePreviousNameAndSwitchesOn) {
    load(kNorwegianFile);
    t.state.userTableOn = false;
    load(crlfLines({"END OF TRANSLITERATION", "FONT: Times"}));
    EXPECT_TRUE(tableEntries(t.state).empty());
    EXPECT_EQ(t.state.userTableFont, "Arial");
    EXPECT_TRUE(t.state.userTableOn);
}

TEST_F(LoadTable, EndLineBeforeFontLineWithNoTableLoadedGivesTheTextNoEmptyFace) {
    t.setText("abc");
    load(crlfLines({"END OF TRANSLITERATION", "FONT: Times"}));
    EXPECT_TRUE(tableEntries(t.state).empty());
    EXPECT_EQ(t.state.userTableFont, "");
    EXPECT_TRUE(t.state.userTableOn);
    EXPECT_FALSE(t.state.userTableFormat.has(charmask::Face));
    EXPECT_EQ(t.surface.getCharFormatSelection().faceName, "Times New Roman");
}

TEST_F(LoadTable, LongFontNameIsCutToWhatAFaceNameHolds) {
    const std::string longName = "A Font Name Of Forty Characters In Total";
    ASSERT_EQ(longName.size(), 40u);
    t.setText("");
    load(crlfLines({"FONT: " + longName, "0248\t/o", "END OF TRANSLITERATION"}));
    EXPECT_EQ(t.state.userTableFont, longName.substr(0, 31));
    EXPECT_EQ(t.state.userTableFormat.faceName.str(), longName.substr(0, 31));
    t.type("/o");
    EXPECT_EQ(t.text(), "\xF8") << "text in the table's own format must be transliterated";
}

TEST_F(LoadTable, LongFontNameCutAtASpaceIsTrimmed) {
    const std::string name = "Thirty Characters Font Name Ab  Extra";
    load(crlfLines({"FONT: " + name, "END OF TRANSLITERATION"}));
    EXPECT_EQ(t.state.userTableFont, "Thirty Characters Font Name Ab");
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    std::string message;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class Refusal : public LoadTable, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsItsMessageAndChangesNothing) {
    load(kNorwegianFile);
    t.state.userTableOn = false;
    t.state.paliEntryOn = true;
    t.platform.setCursorShape(CursorShape::SizeNS);
    const TransliterationState before = t.state;
    t.setText("abc");
    const FontDescription caretBefore = t.surface.getCharFormatSelection();

    dir.write("bad.txt", GetParam().bytes);
    t.platform.expectFileDialog(dir.file("bad.txt"));
    t.platform.expectMessage(GetParam().message);
    loadTransliterationTable(t.view);

    EXPECT_EQ(tableEntries(t.state), tableEntries(before));
    EXPECT_EQ(t.state.userTableFont, before.userTableFont);
    EXPECT_EQ(t.state.userTableFormat, before.userTableFormat);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_TRUE(t.state.paliEntryOn);
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::SizeNS);
    EXPECT_EQ(t.surface.getCharFormatSelection(), caretBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    ::testing::Values(RefusalCase{"NoFontLine", crlfLines({"0065\ta", "END OF TRANSLITERATION"}),
                                  std::string(kNoFontLineMessage)},
                      RefusalCase{"NoEndLine",
                                  crlfLines({"FONT: Times", "0065\ta", "END OF TRANS"}),
                                  std::string(kNoEndLineMessage)},
                      RefusalCase{"TooManyLines",
                                  std::string(501, '\n') + "FONT: Times\nEND OF TRANSLITERATION",
                                  std::string(kTooManyLinesMessage)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadTable, CancelledDialogChangesNothing) {
    t.platform.expectFileDialog(std::nullopt);
    loadTransliterationTable(t.view);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_EQ(t.state.userTableFont, "");
    EXPECT_FALSE(t.platform.cursorShape().has_value());
}

TEST_F(LoadTable, MissingFileShowsTheOpenFailureMessage) {
    const std::string path = dir.file("missing.txt");
    t.platform.expectFileDialog(path);
    t.platform.expectMessage(
        "Unable to open file:\n\n" + path +
        "\n\nMake certain that the file is not opened and in use in some program (such as your "
        "word processor).\n\nIf the file is open in another program, it may be 'locked'.");
    loadTransliterationTable(t.view);
    EXPECT_FALSE(t.state.userTableOn);
}

TEST_F(LoadTable, FolderCannotBeOpened) {
    std::filesystem::create_directory(dir.path() / "folder.txt");
    t.platform.expectFileDialog(dir.file("folder.txt"));
    t.platform.expectMessage(openFailureMessage(dir.file("folder.txt")));
    loadTransliterationTable(t.view);
    EXPECT_FALSE(t.state.userTableOn);
}

TEST_F(LoadTable, ReadErrorAfterOpeningIsReportedAndLoadsNothing) {
    load(kNorwegianFile);
    t.state.userTableOn = false;
    // Reading this process's memory file from its start fails after a
    // successful open.
    ASSERT_EQ(::symlink("/proc/self/mem", dir.file("broken.txt").c_str()), 0);
    t.platform.expectFileDialog(dir.file("broken.txt"));
    t.platform.expectMessage(
        "Unable to read file:\n\n" + dir.file("broken.txt") +
        "\n\nMake certain that the file is not opened and in use in some program (such as your "
        "word processor).\n\nIf the file is open in another program, it may be 'locked'.");
    loadTransliterationTable(t.view);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_EQ(tableEntries(t.state).size(), 2u);
}

// ---- the file dialog's extension rule -------------------------------------

struct ExtensionCase {
    const char* name;
    std::string chosen;
    std::optional<std::string> result;  // nothing: refused with the message
    friend void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.name; }
};

class Extension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(Extension, OnlyTxtInAnyCaseIsAccepted) {
    for (const bool save : {false, true}) {
        ScriptedPlatform platform;
        platform.expectFileDialog(GetParam().chosen,
                                  [save](const FileDialogRequest& r) { EXPECT_EQ(r.save, save); });
        if (!GetParam().result) {
            platform.expectMessage("The file to save must have the '.txt' file extention!");
        }
        EXPECT_EQ(chooseTableFile(platform, save), GetParam().result);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Extension,
    ::testing::Values(ExtensionCase{"Lower", "/d/table.txt", "/d/table.txt"},
                      ExtensionCase{"Capitals", "/d/TABLE.TXT", "/d/TABLE.TXT"},
                      ExtensionCase{"Mixed", "/d/t.TxT", "/d/t.TxT"},
                      ExtensionCase{"Rtf", "/d/table.rtf", std::nullopt},
                      ExtensionCase{"TxtInsideTheName", "/d/table.txt.bak", std::nullopt},
                      ExtensionCase{"TrailingDot", "/d/table.", std::nullopt},
                      ExtensionCase{"NoExtensionGetsTheDefault", "/d/table", "/d/table.txt"},
                      ExtensionCase{"DotInFolderOnly", "/d.x/table", "/d.x/table.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
