#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/FormattingCommands.h"
#include "support/TestView.h"

namespace sorvel::testing {
namespace {

using Command = std::function<void(ViewContext&)>;
using Update = std::function<void(ViewContext&, CommandStatus&)>;

int check(TestView& v, const Update& update) {
    CommandStatus status;
    status.check = -1;
    update(v.view, status);
    EXPECT_TRUE(status.enabled);
    return status.check;
}

struct EffectCase {
    const char* name;
    uint32_t bit;
    Command toggle;
    Update update;
    friend void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.name; }
};

class CharacterEffect : public ::testing::TestWithParam<EffectCase> {};

TEST_P(CharacterEffect, APartlySetSelectionIsSetWholeThenClearedWhole) {
    const EffectCase& c = GetParam();
    TestView v;
    v.setText("Buddham saranam");
    v.surface.setSel(0, 4);
    FontDescription part;
    part.mask = c.bit;
    part.effects = c.bit;
    v.surface.setCharFormat(part);

    v.surface.setSel(2, 10);
    EXPECT_EQ(check(v, c.update), 2);
    c.toggle(v.view);
    FontDescription f = v.surface.getCharFormatSelection();
    EXPECT_TRUE(f.has(c.bit));
    EXPECT_TRUE(f.effects & c.bit);
    EXPECT_EQ(check(v, c.update), 1);

    c.toggle(v.view);
    f = v.surface.getCharFormatSelection();
    EXPECT_TRUE(f.has(c.bit));
    EXPECT_FALSE(f.effects & c.bit);
    EXPECT_EQ(check(v, c.update), 0);
    // Only the command's own effect changed, and only inside the selection.
    EXPECT_TRUE(f.has(charmask::Effects));
    v.surface.setSel(0, 2);
    EXPECT_TRUE(v.surface.getCharFormatSelection().effects & c.bit);
}

TEST_P(CharacterEffect, AtACaretItChangesOnlyWhatIsTypedNext) {
    const EffectCase& c = GetParam();
    TestView v;
    v.setText("abc");
    v.surface.setSel(3, 3);
    c.toggle(v.view);
    EXPECT_EQ(check(v, c.update), 1);
    v.surface.replaceSel("d", false);
    v.surface.setSel(0, 3);
    EXPECT_FALSE(v.surface.getCharFormatSelection().effects & c.bit);
    v.surface.setSel(3, 4);
    EXPECT_TRUE(v.surface.getCharFormatSelection().effects & c.bit);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CharacterEffect,
    ::testing::Values(EffectCase{"Bold", charmask::Bold, FormattingCommands::toggleBold,
                                 FormattingCommands::updateBold},
                      EffectCase{"Italic", charmask::Italic, FormattingCommands::toggleItalic,
                                 FormattingCommands::updateItalic},
                      EffectCase{"Underline", charmask::Underline,
                                 FormattingCommands::toggleUnderline,
                                 FormattingCommands::updateUnderline},
                      EffectCase{"Strikeout", charmask::StrikeOut,
                                 FormattingCommands::toggleStrikeout,
                                 FormattingCommands::updateStrikeout}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Alignment, EachCommandSetsItsValueAndTheOthersShowClear) {
    TestView v;
    v.setText("one\r\ntwo\r\nthree");
    const Command commands[] = {FormattingCommands::alignLeft, FormattingCommands::alignCenter,
                                FormattingCommands::alignRight};
    const Update updates[] = {FormattingCommands::updateAlignLeft,
                              FormattingCommands::updateAlignCenter,
                              FormattingCommands::updateAlignRight};
    const uint16_t values[] = {alignment::Left, alignment::Center, alignment::Right};
    v.surface.setSel(6, 6);
    for (int i = 0; i < 3; ++i) {
        commands[i](v.view);
        EXPECT_EQ(v.surface.getParaFormatSelection().alignment, values[i]);
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(check(v, updates[j]), i == j ? 1 : 0) << i << " " << j;
        }
    }
    // Over the first two paragraphs the alignment now differs.
    v.surface.setSel(0, 6);
    for (const Update& u : updates) {
        EXPECT_EQ(check(v, u), 2);
    }
    FormattingCommands::alignCenter(v.view);
    EXPECT_EQ(check(v, FormattingCommands::updateAlignCenter), 1);
    v.surface.setSel(12, 12);
    EXPECT_EQ(v.surface.getParaFormatSelection().alignment, alignment::Left);
}

ParaFormat indents(int32_t start, int32_t offset) {
    ParaFormat p;
    p.mask = paramask::StartIndent | paramask::Offset;
    p.startIndent = start;
    p.offset = offset;
    return p;
}

TEST(Bullets, OnGivesTheBulletIndentAndOffResetsTheIndents) {
    TestView v;
    v.setText("item");
    v.surface.setParaFormat(indents(720, 0));
    EXPECT_EQ(check(v, FormattingCommands::updateBullets), 0);
    FormattingCommands::toggleBullets(v.view);
    ParaFormat p = v.surface.getParaFormatSelection();
    EXPECT_EQ(p.numbering, numbering::Bullet);
    EXPECT_EQ(p.startIndent, 720);
    EXPECT_EQ(p.offset, FormattingCommands::kBulletIndent);
    EXPECT_EQ(check(v, FormattingCommands::updateBullets), 1);

    FormattingCommands::toggleBullets(v.view);
    p = v.surface.getParaFormatSelection();
    EXPECT_EQ(p.numbering, numbering::None);
    EXPECT_EQ(p.startIndent, 0);
    EXPECT_EQ(p.offset, 0);
}

TEST(Bullets, AnExistingHangingOffsetIsKept) {
    TestView v;
    v.setText("item");
    v.surface.setParaFormat(indents(100, 500));
    FormattingCommands::toggleBullets(v.view);
    const ParaFormat p = v.surface.getParaFormatSelection();
    EXPECT_EQ(p.numbering, numbering::Bullet);
    EXPECT_EQ(p.startIndent, 100);
    EXPECT_EQ(p.offset, 500);
}

TEST(Bullets, AMixedSelectionIsIndeterminateAndBecomesAllBullets) {
    TestView v;
    v.setText("one\r\ntwo");
    v.surface.setSel(0, 0);
    FormattingCommands::toggleBullets(v.view);
    v.surface.setSel(0, -1);
    EXPECT_EQ(check(v, FormattingCommands::updateBullets), 2);
    FormattingCommands::toggleBullets(v.view);
    EXPECT_EQ(check(v, FormattingCommands::updateBullets), 1);
    // The first paragraph's offset was read (not 0), so only the numbering is
    // applied and the second paragraph keeps its own offset.
    v.surface.setSel(6, 6);
    EXPECT_EQ(v.surface.getParaFormatSelection().numbering, numbering::Bullet);
    EXPECT_EQ(v.surface.getParaFormatSelection().offset, 0);
}

struct IndentCase {
    const char* name;
    int32_t from;
    bool increase;
    int32_t expected;
    friend void PrintTo(const IndentCase& c, std::ostream* os) { *os << c.name; }
};

class Indent : public ::testing::TestWithParam<IndentCase> {};

TEST_P(Indent, StepsBy300WithinTheLimits) {
    const IndentCase& c = GetParam();
    TestView v;
    v.setText("one\r\ntwo");
    v.surface.setSel(0, -1);
    v.surface.setParaFormat(indents(c.from, 0));
    if (c.increase) {
        FormattingCommands::increaseIndent(v.view);
    } else {
        FormattingCommands::decreaseIndent(v.view);
    }
    v.surface.setSel(0, 0);
    EXPECT_EQ(v.surface.getParaFormatSelection().startIndent, c.expected);
    v.surface.setSel(6, 6);
    EXPECT_EQ(v.surface.getParaFormatSelection().startIndent, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Indent,
                         ::testing::Values(IndentCase{"IncreaseFrom0", 0, true, 300},
                                           IndentCase{"IncreaseFrom2900", 2900, true, 3200},
                                           IndentCase{"IncreaseAt3000", 3000, true, 3000},
                                           IndentCase{"IncreaseAbove3000", 3100, true, 3100},
                                           IndentCase{"DecreaseFrom600", 600, false, 300},
                                           IndentCase{"DecreaseFrom100", 100, false, -200},
                                           IndentCase{"DecreaseAt0", 0, false, 0},
                                           IndentCase{"DecreaseBelow0", -100, false, -100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Indent, EachParagraphKeepsItsOwnIndentPlusTheStep) {
    TestView v;
    v.setText("one\r\ntwo");
    v.surface.setSel(6, 6);
    v.surface.setParaFormat(indents(900, 0));
    v.surface.setSel(0, -1);
    FormattingCommands::increaseIndent(v.view);
    v.surface.setSel(0, 0);
    EXPECT_EQ(v.surface.getParaFormatSelection().startIndent, 300);
    v.surface.setSel(6, 6);
    EXPECT_EQ(v.surface.getParaFormatSelection().startIndent, 1200);
}

TEST(SetDefaultFont, CancelStillTurnsBothModesOff) {
    TestView v;
    v.state.paliEntryOn = true;
    v.state.userTableOn = true;
    v.state.plainFormat = face("Times New Roman");
    v.setText("abc");
    v.platform.expectFontDialog(std::nullopt);
    FormattingCommands::setDefaultFont(v.view);
    EXPECT_FALSE(v.state.paliEntryOn);
    EXPECT_FALSE(v.state.userTableOn);
    EXPECT_EQ(v.state.plainFormat.faceName, "Times New Roman");
}

TEST(SetDefaultFont, OkStoresTheChoiceAsTheSurfaceHasItAndAppliesIt) {
    TestView v;
    FontDescription plain;
    plain.mask = 0xE000000F;
    plain.height = 220;
    plain.faceName = "Times New Roman";
    v.state.plainFormat = plain;
    v.setText("abc");
    v.surface.setSel(0, 3);
    FontChoice choice = fontChoice("Arial", 140);
    choice.bold = true;
    choice.color = 0x000000FF;
    v.platform.expectFontDialog(choice, [](const FontDialogRequest& r) {
        EXPECT_EQ(r.fonts, FontList::ScreenOnly);
        EXPECT_TRUE(r.mustExist);
        EXPECT_TRUE(r.offerStyle);
        EXPECT_TRUE(r.offerEffects);
        EXPECT_FALSE(r.offerCharSet);
        EXPECT_EQ(r.initial.faceName, "Times New Roman");
    });
    FormattingCommands::setDefaultFont(v.view);
    const FontDescription& f = v.state.plainFormat;
    EXPECT_EQ(f.faceName, "Arial");
    EXPECT_EQ(f.height, 280);
    EXPECT_EQ(f.effects & chareffect::Bold, chareffect::Bold);
    EXPECT_EQ(f.color, 0x000000FFu);
    // Read back from the selection: every field is valid and equals the text's.
    EXPECT_EQ(f.mask, charmask::All);
    EXPECT_EQ(f, v.surface.getCharFormatSelection());
}

TEST(ChangeSelectionFont, AppliesTheChoiceToTheSelectionOnlyAndTurnsModesOff) {
    TestView v;
    v.state.paliEntryOn = true;
    v.setText("abcdef");
    v.surface.setSel(1, 3);
    v.platform.expectFontDialog(fontChoice("Times_CSX+"), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.fonts, FontList::ScreenAndPrinterNoVector);
        EXPECT_EQ(r.initial.faceName, "Times New Roman");
    });
    FormattingCommands::changeSelectionFont(v.view);
    EXPECT_FALSE(v.state.paliEntryOn);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Times_CSX+");
    v.surface.setSel(3, 6);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Times New Roman");
    EXPECT_EQ(v.state.plainFormat.faceName, "");  // nothing is stored
}

TEST(ChangeSelectionFont, CancelChangesNoFormat) {
    TestView v;
    v.state.userTableOn = true;
    v.setText("abc");
    v.surface.setSel(0, 3);
    v.platform.expectFontDialog(std::nullopt);
    FormattingCommands::changeSelectionFont(v.view);
    EXPECT_FALSE(v.state.userTableOn);
    EXPECT_EQ(v.surface.getCharFormatSelection().faceName, "Times New Roman");
}

struct FontModesCase {
    const char* name;
    bool setDefault;  // Set Default Font, else Change Font of Selected Text
    bool paliEntryOn;
    bool userTableOn;
    std::optional<std::string> chosen;  // nothing: Cancel
    bool userTableAfter;
    std::vector<std::string> notes;
    friend void PrintTo(const FontModesCase& c, std::ostream* os) { *os << c.name; }
};

class FontModes : public ::testing::TestWithParam<FontModesCase> {};

// The status bar says which mode a font command switched off; the loaded
// table's own font (the table is for "Arial") keeps user transliteration on.
TEST_P(FontModes, TheStatusBarSaysWhichModeWentOff) {
    const FontModesCase& c = GetParam();
    TestView v;
    v.state.paliEntryOn = c.paliEntryOn;
    v.state.userTableOn = c.userTableOn;
    v.state.userTableFont = "Arial";
    v.setText("abc");
    v.platform.expectFontDialog(c.chosen ? std::optional(fontChoice(*c.chosen)) : std::nullopt);
    if (c.setDefault) {
        FormattingCommands::setDefaultFont(v.view);
    } else {
        FormattingCommands::changeSelectionFont(v.view);
    }
    EXPECT_FALSE(v.state.paliEntryOn);
    EXPECT_EQ(v.state.userTableOn, c.userTableAfter);
    EXPECT_EQ(v.platform.statuses(), c.notes);
}

const std::string kChange = "Change Font of Selected Text";
const std::string kPaliOff =
    "Pali transliteration is now off: \"" + kChange + "\" turns it off. Ctrl+J turns it on again.";
const std::string kTableOff =
    "User transliteration is now off: \"" + kChange +
    "\" turns it off, unless you choose your table's own font. The toolbar button turns it on "
    "again.";

INSTANTIATE_TEST_SUITE_P(
    Cases, FontModes,
    ::testing::Values(
        FontModesCase{"TableFontKeepsTheTable", false, false, true, "Arial", true, {}},
        FontModesCase{"TableFontFaceFamily", false, false, true, "Arial Narrow", true, {}},
        FontModesCase{
            "OtherFontTurnsTheTableOff", false, false, true, "Georgia", false, {kTableOff}},
        FontModesCase{
            "CancelTurnsTheTableOff", false, false, true, std::nullopt, false, {kTableOff}},
        FontModesCase{"TableFontDoesNotTurnItOn", false, false, false, "Arial", false, {}},
        FontModesCase{"PaliEntryOff", false, true, false, "Arial", false, {kPaliOff}},
        FontModesCase{"SetDefaultFontSaysItsName",
                      true,
                      true,
                      true,
                      "Arial",
                      false,
                      {"Pali transliteration is now off: \"Set Default Font - NO "
                       "Transliteration\" turns it off. Ctrl+J turns it on again. User "
                       "transliteration is now off: \"Set Default Font - NO Transliteration\" "
                       "turns it off. The toolbar button turns it on again."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyAllText, PutsTheWholeRichTextOnTheClipboardAndTheCaretAtTheStart) {
    TestView v;
    v.setText("ab\r\ncd", "VriRomanPali CN");
    v.surface.setSel(2, 3);
    FormattingCommands::copyAllText(v.view);
    EXPECT_EQ(v.surface.getSel(), (Selection{0, 0}));
    ASSERT_TRUE(v.surface.clipboard().rich());
    EXPECT_EQ(v.surface.clipboard().rich()->text(), "ab\r\ncd");
    EXPECT_EQ(v.surface.clipboard().rich()->formatAt(4).faceName, "VriRomanPali CN");
}

TEST(CopyAllText, OnAnEmptyDocumentLeavesTheCaretAtZero) {
    TestView v;
    v.surface.clipboard().setPlain("before");
    FormattingCommands::copyAllText(v.view);
    EXPECT_EQ(v.surface.getSel(), (Selection{0, 0}));
    EXPECT_EQ(v.text(), "");
}

}  // namespace
}  // namespace sorvel::testing
