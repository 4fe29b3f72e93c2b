#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <fstream>
#include <functional>

#include "app/AboutDialog.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/FindReplaceDialog.h"
#include "app/ShellFixture.h"
#include "palifont/DefaultPaliFont.h"
#include "shell/CommandIds.h"
#include "support/TestView.h"
#include "usertable/ExampleTables.h"
#include "usertable/FontCodeReference.h"
#include "usertable/TableFile.h"

namespace sorvel::testing {
namespace {

struct MenuCase {
    const char* name;
    int id;
    std::function<void(ShellCommand&)> before;  // text, state and the dialogs' script
    std::function<void(ShellCommand&)> after;
    friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
};

class MenuCommand : public ShellCommand, public ::testing::WithParamInterface<MenuCase> {
  public:
    using ShellCommand::s;
    using ShellCommand::setText;
    ScriptedPlatform& script() { return platform; }
    TransliterationState& modes() { return state; }
    const TempDirectory& folder() { return dir; }
};

TEST_P(MenuCommand, RunsFromItsMenuRowWithTheRealView) {
    GetParam().before(*this);
    choose(GetParam().id);
    GetParam().after(*this);
    EXPECT_TRUE(platform.scriptDone());
}

MenuCommand& M(ShellCommand& c) {
    return static_cast<MenuCommand&>(c);
}

std::function<void(ShellCommand&)> textIs(std::string expected) {
    return [expected](ShellCommand& c) { EXPECT_EQ(M(c).s().getWindowText(), expected); };
}

std::function<void(ShellCommand&)> textStartsWith(std::string start) {
    return [start](ShellCommand& c) {
        const std::string text = M(c).s().getWindowText();
        EXPECT_EQ(text.substr(0, start.size()), start) << text.substr(0, 80);
    };
}

void emptyDocument(ShellCommand&) {}

INSTANTIATE_TEST_SUITE_P(
    PaliAndTables, MenuCommand,
    ::testing::Values(MenuCase{"ConvertPaliFont", command::ConvertPaliFont,
                               [](ShellCommand& c) {
                                   M(c).setText("\xB9");
                                   M(c).script().expectFontDialog(fontChoice("Times_CSX+"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_NE(M(c).s().getWindowText(), "\xB9");
                                   EXPECT_EQ(M(c).s().getCharFormatSelection().faceName,
                                             "Times_CSX+");
                               }},
                      MenuCase{"PaliFontToStandard", command::PaliFontToStandard,
                               [](ShellCommand& c) { M(c).setText("a\xB9"); }, textIs("a.d")},
                      MenuCase{"StandardToPaliFont", command::StandardToPaliFont,
                               [](ShellCommand& c) { M(c).setText("a.d", "Arial"); },
                               textIs("a\xB9")},
                      MenuCase{"PasteFromCscd", command::PasteFromCscd,
                               [](ShellCommand&) {
                                   QApplication::clipboard()->setText(QStringLiteral("Buddho"));
                               },
                               textStartsWith("Buddho")},
                      MenuCase{"ChangeDefaultPaliFont", command::ChangeDefaultPaliFont,
                               [](ShellCommand& c) {
                                   M(c).script().expectMessage(
                                       std::string(kChooseOneOfFiveMessage));
                                   M(c).script().expectFontDialog(fontChoice("Times_CSX+", 140));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_EQ(M(c).modes().defaultPaliFormat.faceName, "Times_CSX+");
                                   EXPECT_EQ(M(c).modes().defaultPaliFormat.height, 280);
                               }},
                      MenuCase{"TogglePaliEntry", command::TogglePaliEntry, emptyDocument,
                               [](ShellCommand& c) { EXPECT_TRUE(M(c).modes().paliEntryOn); }},
                      MenuCase{"SetDefaultFont", command::SetDefaultFont,
                               [](ShellCommand& c) {
                                   M(c).modes().paliEntryOn = true;
                                   M(c).script().expectFontDialog(fontChoice("Arial"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_EQ(M(c).modes().plainFormat.faceName, "Arial");
                                   EXPECT_FALSE(M(c).modes().paliEntryOn);
                               }},
                      MenuCase{"ChangeSelectionFont", command::ChangeSelectionFont,
                               [](ShellCommand& c) {
                                   M(c).setText("abc", "Arial");
                                   M(c).script().expectFontDialog(fontChoice("Times_Norman"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_EQ(M(c).s().getCharFormatSelection().faceName,
                                             "Times_Norman");
                               }},
                      MenuCase{"TableInstructions", command::TableInstructions, emptyDocument,
                               [](ShellCommand& c) { EXPECT_GT(M(c).s().getTextLength(), 200); }},
                      MenuCase{"ExampleNorwegian", command::ExampleNorwegian, emptyDocument,
                               textStartsWith(std::string(exampleTableText(ExampleTable::Norwegian))
                                                  .substr(0, 20))},
                      MenuCase{"ExampleSinhalese", command::ExampleSinhalese, emptyDocument,
                               textStartsWith(std::string(exampleTableText(ExampleTable::Sinhalese))
                                                  .substr(0, 20))},
                      MenuCase{"ExampleWestern", command::ExampleWestern, emptyDocument,
                               textStartsWith(
                                   std::string(exampleTableText(ExampleTable::WesternLanguages))
                                       .substr(0, 20))},
                      MenuCase{
                          "FontCodeReference", command::FontCodeReference,
                          [](ShellCommand& c) {
                              M(c).script().expectYesNo(std::string(kFontCodeReferenceQuestion),
                                                        true);
                              M(c).script().expectFontDialog(fontChoice("Arial"));
                          },
                          [](ShellCommand& c) {
                              EXPECT_NE(M(c).s().getWindowText().find("0065"), std::string::npos);
                              EXPECT_NE(M(c).s().getWindowText().find("0255"), std::string::npos);
                          }},
                      MenuCase{"CreateTable", command::CreateTable,
                               [](ShellCommand& c) {
                                   M(c).script().expectFontDialog(fontChoice("Gentium"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_NE(M(c).s().getWindowText().find("Gentium"),
                                             std::string::npos);
                               }},
                      MenuCase{"SaveTable", command::SaveTable,
                               [](ShellCommand& c) {
                                   M(c).setText("a\r\nb", "Arial");
                                   M(c).script().expectFileDialog(M(c).folder().file("t.txt"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_EQ(M(c).folder().read("t.txt"), "a\r\nb\r\n");
                                   EXPECT_FALSE(M(c).s().getModify());
                               }},
                      MenuCase{"OpenTableForEditing", command::OpenTableForEditing,
                               [](ShellCommand& c) {
                                   M(c).folder().write("e.txt", "x = y\r\n");
                                   M(c).script().expectFileDialog(M(c).folder().file("e.txt"));
                               },
                               textStartsWith("x = y")},
                      MenuCase{"LoadTable", command::LoadTable,
                               [](ShellCommand& c) {
                                   M(c).folder().write("n.txt",
                                                       exampleTableText(ExampleTable::Norwegian));
                                   M(c).script().expectFileDialog(M(c).folder().file("n.txt"));
                               },
                               [](ShellCommand& c) {
                                   EXPECT_FALSE(M(c).modes().userTableFont.empty());
                                   EXPECT_TRUE(M(c).modes().userTableOn);
                               }},
                      MenuCase{
                          "UnloadTable", command::UnloadTable,
                          [](ShellCommand& c) {
                              M(c).modes().userTableFont = "Arial";
                              M(c).script().expectMessage(
                                  "Your transliteration table is unloaded!");
                          },
                          [](ShellCommand& c) { EXPECT_TRUE(M(c).modes().userTableFont.empty()); }},
                      MenuCase{"ToggleUserTable", command::ToggleUserTable,
                               [](ShellCommand& c) {
                                   M(c).modes().userTableFont = "Arial";
                                   M(c).modes().userTable[0] = CodePair{"/o", "\xF8"};
                                   M(c).modes().userTable[1] = endPair();
                               },
                               [](ShellCommand& c) { EXPECT_TRUE(M(c).modes().userTableOn); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellCommand, EveryHelpTopicRunsFromItsMenuRow) {
    choose(32835);
    choose(32851);
    ASSERT_EQ(help.shown.size(), 2u);
    EXPECT_EQ(help.shown[0].first, "Using Unformatted .txt Files");
    EXPECT_EQ(help.shown[1].first, "Right Speech");
    EXPECT_EQ(help.shown[1].second.substr(0, 2), "\r\n");
    EXPECT_EQ("\r\n" + frame->activeView()->helpText(), help.shown[1].second);
}

TEST_F(ShellCommand, FindAndReplaceWorkThroughTheirDialogs) {
    setText("sati, Sati and sati", "Arial");
    s().setSel(0, 0);
    choose(command::EditFind);
    FindReplaceDialog* find = frame->findDialog();
    ASSERT_NE(find, nullptr);
    find->findEdit()->setText(QStringLiteral("sati"));
    find->matchCaseBox()->setChecked(true);
    find->findNextButton()->click();
    EXPECT_EQ(s().getSel(), (Selection{0, 4}));
    find->findNextButton()->click();
    EXPECT_EQ(s().getSel(), (Selection{15, 19})) << "Sati differs in case";
    choose(command::EditFindNext);  // F3 goes round to the first again
    EXPECT_EQ(s().getSel(), (Selection{0, 4}));

    choose(command::EditReplace);
    FindReplaceDialog* replace = frame->findDialog();
    ASSERT_TRUE(replace->isReplace());
    replace->findEdit()->setText(QStringLiteral("sati"));
    replace->replaceEdit()->setText(QStringLiteral("mett\u00E2"));
    replace->replaceAllButton()->click();
    EXPECT_EQ(s().getWindowText(), "mett\xE2, mett\xE2 and mett\xE2");

    replace->findEdit()->setText(QStringLiteral("nowhere"));
    platform.expectMessage("Cannot find the string 'nowhere'.");
    replace->findNextButton()->click();
}

TEST_F(ShellCommand, FindTakesStandardTransliterationAndUnicodeForTheFontsLetters) {
    setText(
        "Buddha\xBD sara\xBA"
        "a\xBD");
    s().setSel(0, 0);
    choose(command::EditFind);
    FindReplaceDialog* find = frame->findDialog();
    ASSERT_NE(find, nullptr);
    find->findEdit()->setText(QStringLiteral("sara.na.m"));
    find->findNextButton()->click();
    EXPECT_EQ(s().getSel(), (Selection{8, 15}));
    s().setSel(0, 0);
    find->findEdit()->setText(QStringLiteral("buddha\u1E43"));
    find->findNextButton()->click();
    EXPECT_EQ(s().getSel(), (Selection{0, 7}));
    find->findEdit()->setText(QStringLiteral("sara\u1E47a\u1E47"));
    platform.expectMessage("Cannot find the string 'sara\u1E47a\u1E47'.");
    find->findNextButton()->click();
}

// In the window's own text: the conversion keeps the bold word and the
// centred line, and Ctrl+Z takes all of it back in one step, leaving the
// steps of undo before it.
TEST_F(ShellCommand, AConversionKeepsTheFormatsAndCtrlZTakesItBack) {
    setText(
        "Buddha\xBD sara\xBA"
        "a\xBD\r\ngacch\xB1mi");
    s().setSel(0, 0);
    ParaFormat centre;
    centre.mask = paramask::Alignment;
    centre.alignment = alignment::Center;
    s().setParaFormat(centre);
    s().setSel(0, 7);
    FontDescription bold;
    bold.mask = charmask::Bold;
    bold.effects = chareffect::Bold;
    s().setCharFormat(bold);
    const RichText before = s().getRichTextRange(0, -1);
    s().setSel(0, -1);
    choose(command::PaliFontToStandard);

    const RichText after = s().getRichTextRange(0, -1);
    ASSERT_EQ(after.text(), "Buddha.m sara.na.m\r\ngacchaami");
    EXPECT_TRUE(after.formatAt(7).effects & chareffect::Bold) << "the word's new .m";
    EXPECT_FALSE(after.formatAt(9).effects & chareffect::Bold);
    EXPECT_EQ(after.formatAt(9).faceName, "VriRomanPali CN");
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(after.paraFormat(1).alignment, alignment::Left);

    QTest::keyClick(frame->activeView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().getRichTextRange(0, -1), before);
    EXPECT_TRUE(s().canUndo()) << "the bold before it can still be undone";
}

TEST_F(ShellCommand, PasteSpecialAsUnformattedTextTakesTheCaretsFormat) {
    setText("bold words", "Arial");
    FontDescription bold;
    bold.mask = charmask::Bold;
    bold.effects = chareffect::Bold;
    s().setCharFormat(bold);
    choose(command::EditCopy);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QStringLiteral("text/rtf"))) << "rich text goes as RTF too";
    EXPECT_TRUE(data->hasText());

    s().setSel(10, 10);
    FontDescription plain;
    plain.mask = charmask::Bold;
    s().setCharFormat(plain);
    platform.expectPasteFormat({"Rich Text (RTF)", "Unformatted Text"}, "Unformatted Text");
    choose(command::EditPasteSpecial);
    EXPECT_EQ(s().getWindowText(), "bold wordsbold words");
    s().setSel(10, 20);
    EXPECT_EQ(s().getCharFormatSelection().effects & chareffect::Bold, 0u);

    platform.expectPasteFormat({"Rich Text (RTF)", "Unformatted Text"}, "Rich Text (RTF)");
    choose(command::EditPasteSpecial);
    s().setSel(20, 30);
    EXPECT_TRUE(s().getCharFormatSelection().effects & chareffect::Bold);
}

TEST_F(ShellCommand, RtfFromAnotherProgramPastesWithItsFormats) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"),
                  "{\\rtf1{\\fonttbl{\\f0 Times_CSX+;}}\\f0\\i ka\\'e4\\i0 x}");
    data->setText(QStringLiteral("plain"));
    QApplication::clipboard()->setMimeData(data);
    choose(command::EditPaste);
    EXPECT_EQ(s().getWindowText(), "ka\xE4x");
    s().setSel(0, 3);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Times_CSX+");
    EXPECT_TRUE(s().getCharFormatSelection().effects & chareffect::Italic);
}

TEST(AboutDialog, ShowsTheIconTheVersionTheNoteAndOk) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Sorvel"));
    EXPECT_EQ(dialog.version()->text(), QStringLiteral("Sorvel Version 2.0"));
    EXPECT_EQ(dialog.version()->toolTip(),
              QStringLiteral("Product version 2.0.0.1, file version 1.0.0.1"));
    EXPECT_EQ(dialog.note()->text(),
              QStringLiteral("I also suggest that you read the Help before using this program.\n"
                             "Pali fonts can be hard to use if you wish to share your work with "
                             "other people."));
    EXPECT_FALSE(dialog.icon()->pixmap().isNull());
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
    dialog.show();
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace sorvel::testing
