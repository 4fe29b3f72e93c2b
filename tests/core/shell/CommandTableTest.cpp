#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "help/HelpTopics.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"

namespace sorvel::testing {
namespace {

// The toolbar from left to right as the program's resources give it; 0 is
// a separator.
const std::vector<int> kToolbar = {
    57600, 57601, 57603, 0,     57609, 57607, 0,     57642, 57635, 57634, 57637, 0,
    32841, 0,     32773, 32774, 32777, 32778, 0,     32779, 32780, 32781, 0,     32782,
    0,     32790, 32791, 0,     57696, 32838, 0,     32830, 0,     32833, 32832, 32784,
    32783, 0,     32845, 32846, 0,     32860, 32861, 32862, 0,     32851, 57664};

TEST(CommandTable, TheToolbarStandsInItsOrderWithItsSeparators) {
    std::vector<int> got;
    for (const Command* c : toolbarCommands()) {
        if (c->toolbarSeparatorBefore) {
            got.push_back(0);
        }
        got.push_back(c->id);
        EXPECT_FALSE(c->icon.empty()) << c->id << " has an image";
        EXPECT_FALSE(c->tooltip().empty()) << c->id << " has a tooltip";
    }
    EXPECT_EQ(got, kToolbar);
}

struct StringCase {
    int id;
    const char* strings;
};

// The string table: prompt, "\n", tooltip, spelling and all.
const StringCase kStrings[] = {
    {32773, "Set the current selection to Bold\nBold (Ctrl+B)"},
    {32774, "Set the current selection to Italicf\nItalic (Ctrl+I)"},
    {32777, "Underline the current selectionf\nUnderline (Ctrl+U)"},
    {32778, "Strikethrough the current selection\nStrikethrough (Ctrl+Shift+S)"},
    {32779, "Left Align Paragraph\nLeft Align (Ctrl+L)"},
    {32780, "Center align paragraph text\nCenter (Ctrl+E)"},
    {32781, "Right align paragraph text\nRight (Ctrl+R)"},
    {32782, "Set the current paragraph to bullet style\nBullets (Ctrl+Shift+B)"},
    {32783, "Convert Pali Font of Selected Text\nConvert Pali Font of Selected Text"},
    {32784, "Paste Text From CSCD\nPaste from CSCD"},
    {32790, "Increase Indent of the selected paragraph\nIncrease Indent (Ctrl+T)"},
    {32791, "Decrease Indent of the selected paragraph\nDecrease Indent (Ctrl+Shift+T)"},
    {32830, "Turn User Defined transliteration On / Off\nTurn User Defined Transliteration On/Off"},
    {32832, "Change Pali font for Transliteraton\nChange Default Pali Font"},
    {32833,
     "Activate or Deactivate Pali Transliteration\nActivate or Deactivate Pali Transliteration "
     "(Ctrl+J)"},
    {32834, "Test\nTest"},
    {32838,
     "Change Font of Selected Text (Ctrl+Shift+F)\nChange Font of Selected Text (Ctrl+Shift+F)"},
    {32841, "Copy All Text to Clipboard\nCopy All Text to Clipboard (Ctrl+W)"},
    {32845, "Pali Font to Standard Transliteration\nPali Font to Standard Transliteration"},
    {32846, "Standard transliteration to Pali Font\nStandard transliteration to Pali Font"},
    {32851,
     "Right Speech - The Ultimate Grammar Checker\nRight Speech - The Ultimate Grammar Checker"},
    {32852, "How you can help everyone!\nHow you can help everyone!"},
    {57696, "Set Default Font - NO Transliteration\nSet Default Font - NO Transliteration"},
    {32860,
     "Copy the selected text to the clipboard in Unicode, for other programs\nCopy as "
     "Unicode"},
    {32861, "Paste Unicode text from the clipboard in the default Pali font\nPaste Unicode Pali"},
    {32862,
     "Save a copy of the whole document in Unicode, as UTF-8 text or RTF\nExport as "
     "Unicode"},
    {32863,
     "Change the Unicode font in which Pali text is copied and exported\nChange Unicode "
     "Font"},
};

TEST(CommandTable, EveryOwnCommandCarriesTheStringTablesPromptAndTooltip) {
    for (const StringCase& s : kStrings) {
        const Command* c = findCommand(s.id);
        ASSERT_NE(c, nullptr) << s.id;
        EXPECT_EQ(c->strings, s.strings) << s.id;
    }
    EXPECT_EQ(findCommand(32774)->prompt(), "Set the current selection to Italicf");
    EXPECT_EQ(findCommand(32774)->tooltip(), "Italic (Ctrl+I)");
}

TEST(CommandTable, EveryCommandHasOneRowAndAHandler) {
    std::set<int> ids;
    for (const Command& c : commandTable()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id << " is declared once";
        EXPECT_FALSE(c.strings.empty()) << c.id << " has a prompt";
        switch (c.route) {
            case Route::View:
                EXPECT_NE(c.run, nullptr) << c.id;
                break;
            case Route::HelpTopic:
                EXPECT_NE(findHelpTopic(c.id), nullptr) << c.id;
                // The title, and the key where the topic has one.
                EXPECT_EQ(c.label.substr(0, c.label.find('\t')), findHelpTopic(c.id)->title)
                    << c.id;
                break;
            case Route::Shell:
                EXPECT_TRUE(c.shell != nullptr || !c.unavailable.empty() ||
                            c.id == command::RecentFirst)
                    << c.id;
                break;
        }
    }
    for (const HelpTopic& topic : helpTopics()) {
        EXPECT_TRUE(ids.count(topic.commandId)) << topic.commandId << " has its row";
    }
}

// Without a document window only the commands of the short menu remain.
TEST(CommandTable, OnlyTheShortMenusCommandsWorkWithoutADocument) {
    std::set<int> without;
    for (const Command& c : commandTable()) {
        if (c.withoutDocument) {
            without.insert(c.id);
        }
    }
    EXPECT_EQ(without, (std::set<int>{57600, 57601, 57606, 57616, 57665, 59392, 59393, 57664}));
}

TEST(CommandTable, OnlyTheDocumentWindowsOwnKeysGoToTheView) {
    std::set<std::string> keys;
    for (const Command& c : commandTable()) {
        if (c.documentKeys) {
            EXPECT_EQ(c.route, Route::View) << c.id;
            keys.insert(std::string(c.keys));
        }
    }
    EXPECT_EQ(keys, (std::set<std::string>{"Ctrl+B", "Ctrl+Shift+B", "Ctrl+E", "Ctrl+Shift+F",
                                           "Ctrl+I", "Ctrl+J", "Ctrl+L", "Ctrl+R", "Ctrl+Shift+S",
                                           "Ctrl+T", "Ctrl+Shift+T", "Ctrl+U", "Ctrl+W"}));
}

TEST(CommandTable, TheObjectCommandsStayInTheirPlaceButSayWhyTheyCannotRun) {
    for (int id : {command::InsertObject, command::EditLinks, command::ObjectProperties}) {
        const Command* c = findCommand(id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->menu, Menu::Edit);
        EXPECT_FALSE(c->unavailable.empty());
        EXPECT_NE(c->tooltip().find("not available"), std::string_view::npos) << id;
    }
}

}  // namespace
}  // namespace sorvel::testing
