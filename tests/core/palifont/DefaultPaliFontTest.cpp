#include "palifont/DefaultPaliFont.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "palifont/PaliFontSettings.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"

namespace sorvel::testing {
namespace {

const std::string kChooseOneOfFive(kChooseOneOfFiveMessage);
const std::string kNoPaliFontYet(kNoPaliFontYetMessage);
constexpr std::string_view kSettingsFile = "Sorvel Default Pali Font.txt";

class DefaultPaliFont : public ::testing::Test {
  protected:
    DefaultPaliFont() {
        t.state.plainFormat = face("Times New Roman");
        t.setText("abc", "Georgia");
    }

    bool settingsWritten() const { return std::filesystem::exists(dir.path() / kSettingsFile); }
    FontDescription caretFormat() const { return t.surface.getCharFormatSelection(); }

    TempDirectory dir;
    TestView t;
};

TEST_F(DefaultPaliFont, ChangeCopiesTheCaretFormatOpensTheDialogAndSaves) {
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("VriRomanPali CN", 140), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.initial.faceName, "Georgia") << "opened on the caret's format";
        EXPECT_EQ(r.fonts, FontList::ScreenOnly);
        EXPECT_TRUE(r.mustExist);
        EXPECT_TRUE(r.offerEffects) << "a caret's format names every field";
    });
    changeDefaultPaliFont(t.view);

    const FontDescription& pali = t.state.defaultPaliFormat;
    EXPECT_EQ(pali.faceName, "VriRomanPali CN");
    EXPECT_EQ(pali.height, 280);
    EXPECT_EQ(pali.offset, 0);
    EXPECT_EQ(pali.mask, charmask::Face | charmask::Size | charmask::Bold | charmask::Italic |
                             charmask::Underline | charmask::StrikeOut | charmask::Color |
                             charmask::CharSet);
    EXPECT_EQ(caretFormat().faceName, "Georgia") << "not applied while Pali entry is off";
    EXPECT_EQ(dir.read(kSettingsFile), PaliFontSettings::format(pali));
}

TEST_F(DefaultPaliFont, ChangeAppliesTheFontWhilePaliEntryIsOn) {
    t.state.paliEntryOn = true;
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("Times_CSX+"));
    changeDefaultPaliFont(t.view);
    EXPECT_EQ(caretFormat().faceName, "Times_CSX+");
}

TEST_F(DefaultPaliFont, ChangeStartsFromTheChosenFontAndShowsTheMessageEveryTime) {
    t.state.defaultPaliFormat = face("SKT Times");
    t.state.defaultPaliFormat.mask = charmask::Face | charmask::Size;
    t.state.defaultPaliFormat.color = 0x123456;
    for (int i = 0; i < 2; ++i) {
        t.platform.expectMessage(kChooseOneOfFive);
        t.platform.expectFontDialog(fontChoice("Times_Norman"), [](const FontDialogRequest& r) {
            EXPECT_EQ(r.initial.color, 0x123456u);
            EXPECT_FALSE(r.offerEffects);
            EXPECT_FALSE(r.offerStyle);
        });
        changeDefaultPaliFont(t.view);
    }
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, "Times_Norman");
    EXPECT_EQ(t.state.defaultPaliFormat.color, 0x123456u) << "fields the dialog does not set stay";
}

TEST_F(DefaultPaliFont, CancelKeepsTheCopiedCaretFormatAndWritesNothing) {
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(std::nullopt);
    changeDefaultPaliFont(t.view);
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, "Georgia");
    EXPECT_FALSE(settingsWritten());
}

TEST_F(DefaultPaliFont, AFontThatIsNoPaliFontIsKeptAndTheUserToldWhyTypingStaysAsTyped) {
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("Arial"));
    t.platform.expectMessage(
        "Pali entry will not transliterate in the font \"Arial\": it is not one of the five "
        "Pali fonts that Sorvel understands.\n\nPali entry types the Pali letters only in:\n\n1. "
        "VriRomanPali\n2. Times_CSX+\n3. SKT_Times\n4. LeedsBit PaliTranslit\n5. "
        "Times_Norman\n\nThe font is kept as your default Pali font. To type Pali, choose one of "
        "the five with \"Change Default Pali Font\".");
    changeDefaultPaliFont(t.view);
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, "Arial");
    EXPECT_EQ(dir.read(kSettingsFile), PaliFontSettings::format(t.state.defaultPaliFormat))
        << "written before the word of warning";
}

// Which chosen faces draw the warning: those not recognised as a Pali font by
// the prefixes, case-sensitive; a user table for a Pali font does not make
// its faces any less Pali fonts.
struct ChosenFace {
    const char* name;
    const char* face;
    const char* userTableFont;
    bool warned;
    friend void PrintTo(const ChosenFace& c, std::ostream* os) { *os << c.name; }
};

class ChosenFaceWarning : public DefaultPaliFont,
                          public ::testing::WithParamInterface<ChosenFace> {};

TEST_P(ChosenFaceWarning, ShowsOnlyForFacesThatAreNoPaliFont) {
    const ChosenFace& c = GetParam();
    t.state.userTableFont = c.userTableFont;
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice(c.face));
    if (c.warned) {
        t.platform.expectMessage(notAPaliFontMessage(c.face));
    }
    changeDefaultPaliFont(t.view);
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, c.face);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, ChosenFaceWarning,
    ::testing::Values(ChosenFace{"Vri", "VriRomanPali CB", "", false},
                      ChosenFace{"Csx", "Times_CSX+", "", false},
                      ChosenFace{"SktLowerCase", "Skt Times", "", false},
                      ChosenFace{"LeedsBit", "LeedsBit PaliTranslit", "", false},
                      ChosenFace{"LeedsbitAsTheOldMessageSpellsIt", "Leedsbit PaliTranslit", "",
                                 true},
                      ChosenFace{"VriInLowerCase", "vriromanpali CN", "", true},
                      ChosenFace{"CsxWithABlank", "Times CSX+", "", true},
                      ChosenFace{"UnicodeFont", "Gentium Plus", "", true},
                      ChosenFace{"UserTableForAPaliFont", "VriRomanPali CN", "VriRomanPali", false},
                      ChosenFace{"UserTableFontOfNoPaliFont", "Arial", "Arial", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DefaultPaliFont, FailedSaveKeepsTheNewChoice) {
    std::filesystem::create_directories(dir.path() / kSettingsFile / "x");
    t.state.paliEntryOn = true;
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("VriRomanPali CN"));
    t.platform.expectMessage(settingsOpenFailureMessage("Sorvel Default Pali Font.txt"));
    changeDefaultPaliFont(t.view);
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, "VriRomanPali CN");
    EXPECT_EQ(caretFormat().faceName, "VriRomanPali CN");
}

// ---- Ctrl+J ---------------------------------------------------------------------

TEST_F(DefaultPaliFont, FirstUseAsksForAFontAppliesItAndSaves) {
    t.state.userTableOn = true;
    t.platform.expectMessage(kNoPaliFontYet);
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("VriRomanPali CN"), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.initial.faceName, "Georgia");
    });
    togglePaliEntry(t.view);
    EXPECT_TRUE(t.state.paliEntryOn);
    EXPECT_FALSE(t.state.userTableOn);
    EXPECT_EQ(caretFormat().faceName, "VriRomanPali CN");
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::SizeNS);
    EXPECT_TRUE(settingsWritten());
}

TEST_F(DefaultPaliFont, FirstUseCancelledLeavesPaliEntryOffAndAsksAgainNextTime) {
    for (int round = 0; round < 2; ++round) {
        t.platform.expectMessage(kNoPaliFontYet);
        t.platform.expectMessage(kChooseOneOfFive);
        t.platform.expectFontDialog(std::nullopt);
        togglePaliEntry(t.view);
        EXPECT_FALSE(t.state.paliEntryOn) << "typing would give no Pali";
        EXPECT_TRUE(t.state.defaultPaliFormat.faceName.empty());
        EXPECT_EQ(caretFormat().faceName, "Times New Roman");
        EXPECT_FALSE(settingsWritten());
    }
    EXPECT_EQ(t.platform.statuses(),
              std::vector<std::string>(2, std::string(kNoPaliFontChosenNote)));
    CommandStatus status;
    updatePaliEntryCommand(t.state, status);
    EXPECT_EQ(status.check, 0) << "the button is not pressed";
}

TEST_F(DefaultPaliFont, TurningOffWithNoDefaultStillAsksThenAppliesThePlainFont) {
    t.state.paliEntryOn = true;
    t.platform.expectMessage(kNoPaliFontYet);
    t.platform.expectMessage(kChooseOneOfFive);
    t.platform.expectFontDialog(fontChoice("VriRomanPali CN"));
    togglePaliEntry(t.view);
    EXPECT_FALSE(t.state.paliEntryOn);
    EXPECT_EQ(t.state.defaultPaliFormat.faceName, "VriRomanPali CN");
    EXPECT_EQ(caretFormat().faceName, "Times New Roman");
}

TEST_F(DefaultPaliFont, WithADefaultTogglesWithoutQuestions) {
    t.state.defaultPaliFormat = face("VriRomanPali CN");
    togglePaliEntry(t.view);
    EXPECT_TRUE(t.state.paliEntryOn);
    EXPECT_EQ(caretFormat().faceName, "VriRomanPali CN");
    t.platform.setCursorShape(CursorShape::Arrow);
    togglePaliEntry(t.view);
    EXPECT_FALSE(t.state.paliEntryOn);
    EXPECT_EQ(caretFormat().faceName, "Times New Roman");
    EXPECT_EQ(t.platform.cursorShape(), CursorShape::Arrow);
    EXPECT_TRUE(t.platform.events().empty());
}

TEST_F(DefaultPaliFont, ChangesTheFontOfSelectedTextWithoutConvertingIt) {
    t.state.defaultPaliFormat = face("VriRomanPali CN");
    t.surface.setSel(0, 2);
    togglePaliEntry(t.view);
    EXPECT_EQ(t.text(), "abc");
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "VriRomanPali CN");
    EXPECT_EQ(t.surface.document().formatAt(1).faceName, "VriRomanPali CN");
    EXPECT_EQ(t.surface.document().formatAt(2).faceName, "Georgia");
    togglePaliEntry(t.view);
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "Times New Roman");
}

TEST_F(DefaultPaliFont, TypingAfterCtrlJTransliterates) {
    t.state.defaultPaliFormat = face("VriRomanPali CN");
    togglePaliEntry(t.view);
    t.type(".d");
    EXPECT_EQ(t.text(), "abc\xB9");
}

TEST(PaliEntryCommand, IsAlwaysEnabledAndCheckedWhileOn) {
    TransliterationState state;
    CommandStatus status;
    status.enabled = false;
    updatePaliEntryCommand(state, status);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.check, 0);
    state.paliEntryOn = true;
    updatePaliEntryCommand(state, status);
    EXPECT_EQ(status.check, 1);
}

// ---- the pointer over the view --------------------------------------------------------

struct CursorCase {
    const char* name;
    bool paliEntryOn;
    bool userTableOn;
    CursorShape shape;
    const char* face;
    friend void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.name; }
};

class SetCursor : public ::testing::TestWithParam<CursorCase> {
  protected:
    SetCursor() {
        t.state.paliEntryOn = GetParam().paliEntryOn;
        t.state.userTableOn = GetParam().userTableOn;
        t.state.defaultPaliFormat = face("VriRomanPali CN");
        t.state.userTableFormat = face("Arial");
        t.state.plainFormat = face("Times New Roman");
        t.setText("some text", "Georgia");
    }
    TestView t;
};

TEST_P(SetCursor, ShowsTheModeAndPutsItsFontAtAnEmptySelection) {
    EXPECT_TRUE(onSetCursor(t.view));
    EXPECT_EQ(t.platform.cursorShape(), GetParam().shape);
    EXPECT_EQ(t.surface.getCharFormatSelection().faceName, GetParam().face);
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "Georgia") << "no text changes";
}

TEST_P(SetCursor, WithTextSelectedOnlyThePointerChanges) {
    t.surface.setSel(0, 4);
    EXPECT_TRUE(onSetCursor(t.view));
    EXPECT_EQ(t.platform.cursorShape(), GetParam().shape);
    EXPECT_EQ(t.surface.document().formatAt(0).faceName, "Georgia");
    t.surface.setSel(9, 9);
    EXPECT_EQ(t.surface.getCharFormatSelection().faceName, "Georgia");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SetCursor,
    ::testing::Values(CursorCase{"Plain", false, false, CursorShape::Arrow, "Times New Roman"},
                      CursorCase{"Pali", true, false, CursorShape::SizeNS, "VriRomanPali CN"},
                      CursorCase{"UserTable", false, true, CursorShape::Cross, "Arial"},
                      CursorCase{"BothPaliWins", true, true, CursorShape::SizeNS,
                                 "VriRomanPali CN"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
