#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "help/HelpMenuLayout.h"
#include "help/HelpTopics.h"
#include "help/ShowHelpTopic.h"

namespace sorvel {
namespace {

// ---- The thirty topics: ids, titles and menus as the help's table gives them.

struct TopicRow {
    const char* name;
    int id;
    const char* menu;
    const char* title;
    friend void PrintTo(const TopicRow& c, std::ostream* os) { *os << c.name; }
};

const TopicRow kTopicRows[] = {
    {"UsingTxtFiles", 32835, "&File", "Using Unformatted .txt Files"},
    {"WhatIsTransliteration", 32819, "General &Transliteration", "What is Transliteration?"},
    {"CodesForAnyFont", 32826, "General &Transliteration", "How can I get the codes for any font?"},
    {"WhatAreTheExamples", 32825, "General &Transliteration", "What are the examples?"},
    {"Important", 32806, "&Help", "Important! Please read this!"},
    {"InstallOrRemove", 32809, "&Help", "Install or Remove Sorvel"},
    {"LatestVersion", 32810, "&Help", "Sorvel Latest Version"},
    {"Customize", 32828, "&Help", "Customize Transliteration"},
    {"EasyPaliTextEntry", 32798, "Special Pali features", "Easy Pali Text Entry"},
    {"EnteringPaliText", 32834, "Special Pali features", "Entering Pali Text"},
    {"OverdotM", 32813, "Special Pali features", "Overdot m character"},
    {"SupportedFonts", 32799, "Special Pali features", "Supported Pali Fonts"},
    {"ConvertPaliFont", 32795, "Special Pali features", "Convert Pali Font of Selected Text"},
    {"StandardConversion", 32849, "Special Pali features",
     "Conversion: Pali <-> Standard Transliteraton"},
    {"WhatFontRightNow", 32818, "Special Pali features", "What font right now?"},
    {"SktTimes", 32808, "Special Pali features", "'SKT Times' Pali Font"},
    {"PasteFromCscd", 32796, "Special Pali features", "Paste from CSCD"},
    {"FindAndReplace", 32805, "Special Pali features", "Find and Replace Tip"},
    {"Paliwords", 32802, "Other Pali Resources", "The Paliwords Pali Dictionary"},
    {"UsefulResources", 32812, "Other Pali Resources", "Useful Pali Resources in the Internet"},
    {"NoUnicode", 32797, "&Help", "No Unicode support"},
    {"NoPageBreaks", 32811, "&Help", "No Page Breaks"},
    {"CopyAndPaste", 32803, "&Help", "Copy and Paste"},
    {"DragAndDrop", 32794, "&Help", "Drag and Drop"},
    {"MultipleDocuments", 32807, "&Help", "Multiple Documents"},
    {"RtfFileFormat", 32800, "&Help", "The RTF file format"},
    {"Printing", 32793, "&Help", "Printing Your Document"},
    {"SourceCode", 32801, "&Help", "Program Source Code"},
    {"RightSpeech", 32851, "&Help", "Right Speech"},
    {"HowYouCanHelp", 32852, "&Help", "How you can help everyone!"},
};

std::string menuName(HelpMenuPlace place) {
    switch (place) {
        case HelpMenuPlace::File:
            return "&File";
        case HelpMenuPlace::GeneralTransliteration:
            return "General &Transliteration";
        case HelpMenuPlace::Help:
            return "&Help";
        case HelpMenuPlace::SpecialPaliFeatures:
            return "Special Pali features";
        case HelpMenuPlace::OtherPaliResources:
            return "Other Pali Resources";
    }
    return "?";
}

class HelpTopicRow : public ::testing::TestWithParam<TopicRow> {};

TEST_P(HelpTopicRow, StandsInTheTableWithItsTitleMenuAndPlace) {
    const TopicRow& row = GetParam();
    const std::vector<HelpTopic>& topics = helpTopics();
    ASSERT_EQ(topics.size(), std::size(kTopicRows));
    std::size_t index = 0;
    while (kTopicRows[index].id != row.id) {
        ++index;
    }
    const HelpTopic& topic = topics[index];
    EXPECT_EQ(topic.commandId, row.id);
    EXPECT_EQ(topic.title, row.title);
    EXPECT_EQ(menuName(topic.menu), row.menu);
    EXPECT_EQ(findHelpTopic(row.id), &topic);
    EXPECT_GT(topic.text.size(), 300u);
}

INSTANTIATE_TEST_SUITE_P(AllTopics, HelpTopicRow, ::testing::ValuesIn(kTopicRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpTopics, CommandsThatAreNoTopicsHaveNone) {
    EXPECT_EQ(findHelpTopic(57664), nullptr);  // About
    EXPECT_EQ(findHelpTopic(32827), nullptr);  // the font code reference table
    EXPECT_EQ(findHelpTopic(0), nullptr);
}

// ---- The Help menu built from the table, written out as the menu reads:
// "-" a separator, ">" opens a sub-menu, "<" closes it.

void flatten(const std::vector<HelpMenuEntry>& entries, std::vector<std::string>& out) {
    for (const HelpMenuEntry& e : entries) {
        switch (e.kind) {
            case HelpMenuEntry::Kind::Separator:
                out.push_back("-");
                break;
            case HelpMenuEntry::Kind::SubMenu:
                out.push_back(">" + std::string(e.label));
                flatten(e.entries, out);
                out.push_back("<");
                break;
            case HelpMenuEntry::Kind::Topic:
                out.push_back(std::string(e.label));
                EXPECT_EQ(findHelpTopic(e.commandId)->title, e.label);
                break;
            case HelpMenuEntry::Kind::About:
                EXPECT_EQ(e.commandId, 57664);
                out.push_back(std::string(e.label));
                break;
        }
    }
}

TEST(HelpMenuLayout, ReadsTopToBottomAsTheHelpMenu) {
    const std::vector<std::string> expected = {
        "Important! Please read this!",
        "Install or Remove Sorvel",
        "Sorvel Latest Version",
        "Customize Transliteration",
        "-",
        ">Special Pali features",
        "Easy Pali Text Entry",
        "Entering Pali Text",
        "Overdot m character",
        "-",
        "Supported Pali Fonts",
        "Convert Pali Font of Selected Text",
        "Conversion: Pali <-> Standard Transliteraton",
        "What font right now?",
        "'SKT Times' Pali Font",
        "-",
        "Paste from CSCD",
        "Find and Replace Tip",
        "<",
        ">Other Pali Resources",
        "The Paliwords Pali Dictionary",
        "Useful Pali Resources in the Internet",
        "<",
        "-",
        "No Unicode support",
        "No Page Breaks",
        "-",
        "Copy and Paste",
        "Drag and Drop",
        "-",
        "Multiple Documents",
        "The RTF file format",
        "Printing Your Document",
        "-",
        "Program Source Code",
        "-",
        "Right Speech",
        "How you can help everyone!",
        "-",
        "&About Sorvel...",
    };
    std::vector<std::string> actual;
    flatten(helpMenuLayout(), actual);
    EXPECT_EQ(actual, expected);
}

TEST(HelpMenuLayout, TheOtherMenusGetTheirTopicsWithTheirSeparators) {
    const std::vector<const HelpTopic*> file = topicsInMenu(HelpMenuPlace::File);
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(file[0]->commandId, 32835);

    const std::vector<const HelpTopic*> translit =
        topicsInMenu(HelpMenuPlace::GeneralTransliteration);
    ASSERT_EQ(translit.size(), 3u);
    EXPECT_EQ(translit[0]->commandId, 32819);
    EXPECT_FALSE(translit[0]->separatorBefore);
    EXPECT_EQ(translit[1]->commandId, 32826);
    EXPECT_TRUE(translit[1]->separatorBefore);
    EXPECT_EQ(translit[2]->commandId, 32825);
    EXPECT_TRUE(translit[2]->separatorBefore);
}

// ---- Showing a topic.

class RecordingHelpWindow : public HelpWindow {
  public:
    void run(const std::string& caption, const std::string& text) override {
        captions.push_back(caption);
        texts.push_back(text);
    }
    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

TEST(ShowHelpTopic, EveryTopicCommandKeepsItsTextAndShowsItFromTheSecondLine) {
    RecordingHelpWindow window;
    std::string viewHelpText;
    for (const HelpTopic& topic : helpTopics()) {
        ASSERT_TRUE(runHelpTopicCommand(topic.commandId, viewHelpText, window));
        EXPECT_EQ(viewHelpText, topic.text);
        EXPECT_EQ(window.captions.back(), topic.title);
        EXPECT_EQ(window.texts.back(), "\r\n" + topic.text);
    }
    EXPECT_EQ(window.captions.size(), helpTopics().size());
}

TEST(ShowHelpTopic, ACommandThatIsNoTopicShowsNothingAndKeepsTheField) {
    RecordingHelpWindow window;
    std::string viewHelpText = "last topic";
    EXPECT_FALSE(runHelpTopicCommand(57664, viewHelpText, window));
    EXPECT_EQ(viewHelpText, "last topic");
    EXPECT_TRUE(window.captions.empty());
}

TEST(ShowHelpTopic, TheWindowTextIsAnEmptyLineThenTheText) {
    EXPECT_EQ(helpWindowText(""), "\r\n");
    EXPECT_EQ(helpWindowText("a\r\nb"), "\r\na\r\nb");
    RecordingHelpWindow window;
    showHelpTopic(window, "T\xE9", "x");
    EXPECT_EQ(window.captions.at(0), "T\xE9");
    EXPECT_EQ(window.texts.at(0), "\r\nx");
}

}  // namespace
}  // namespace sorvel
