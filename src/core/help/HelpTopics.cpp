#include "help/HelpTopics.h"

#include "help/HelpTexts.h"

namespace sorvel {

namespace {

// The texts are written with "\n"; topics carry CR LF, like all text of the
// program.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

std::vector<HelpTopic> buildTopics() {
    using P = HelpMenuPlace;
    using namespace helptext;
    struct Row {
        int id;
        std::string_view title;
        P menu;
        bool separatorBefore;
        std::string (*text)();
    };
    // In menu order. A sub-menu's topics follow one another.
    static constexpr Row kRows[] = {
        {32835, "Using Unformatted .txt Files", P::File, false, usingTxtFiles},
        {32819, "What is Transliteration?", P::GeneralTransliteration, false,
         whatIsTransliteration},
        {32826, "How can I get the codes for any font?", P::GeneralTransliteration, true,
         codesForAnyFont},
        {32825, "What are the examples?", P::GeneralTransliteration, true, whatAreTheExamples},
        {32806, "Important! Please read this!", P::Help, false, importantReadThis},
        {32809, "Install or Remove Sorvel", P::Help, false, installOrRemove},
        {32810, "Sorvel Latest Version", P::Help, false, latestVersion},
        {32828, "Customize Transliteration", P::Help, false, customizeTransliteration},
        {32798, "Easy Pali Text Entry", P::SpecialPaliFeatures, true, easyPaliTextEntry},
        {32834, "Entering Pali Text", P::SpecialPaliFeatures, false, enteringPaliText},
        {32813, "Overdot m character", P::SpecialPaliFeatures, false, overdotM},
        {32799, "Supported Pali Fonts", P::SpecialPaliFeatures, true, supportedPaliFonts},
        {32795, "Convert Pali Font of Selected Text", P::SpecialPaliFeatures, false,
         convertPaliFont},
        {32849, "Conversion: Pali <-> Standard Transliteraton", P::SpecialPaliFeatures, false,
         standardConversion},
        {32818, "What font right now?", P::SpecialPaliFeatures, false, whatFontRightNow},
        {32808, "'SKT Times' Pali Font", P::SpecialPaliFeatures, false, sktTimesFont},
        {32796, "Paste from CSCD", P::SpecialPaliFeatures, true, pasteFromCscd},
        {32805, "Find and Replace Tip", P::SpecialPaliFeatures, false, findAndReplaceTip},
        {32802, "The Paliwords Pali Dictionary", P::OtherPaliResources, false, paliwordsDictionary},
        {32812, "Useful Pali Resources in the Internet", P::OtherPaliResources, false,
         usefulPaliResources},
        {32797, "No Unicode support", P::Help, true, noUnicodeSupport},
        {32811, "No Page Breaks", P::Help, false, noPageBreaks},
        {32803, "Copy and Paste", P::Help, true, copyAndPaste},
        {32794, "Drag and Drop", P::Help, false, dragAndDrop},
        {32807, "Multiple Documents", P::Help, true, multipleDocuments},
        {32800, "The RTF file format", P::Help, false, rtfFileFormat},
        {32793, "Printing Your Document", P::Help, false, printingYourDocument},
        {32801, "Program Source Code", P::Help, true, programSourceCode},
        {32851, "Right Speech", P::Help, true, rightSpeech},
        {32852, "How you can help everyone!", P::Help, false, howYouCanHelp},
    };
    static_assert(std::size(kRows) == kHelpTopicCount);
    std::vector<HelpTopic> topics;
    topics.reserve(kHelpTopicCount);
    for (const Row& row : kRows) {
        topics.push_back(
            HelpTopic{row.id, row.title, row.menu, row.separatorBefore, withCrLf(row.text())});
    }
    return topics;
}

}  // namespace

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> kTopics = buildTopics();
    return kTopics;
}

const HelpTopic* findHelpTopic(int commandId) {
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.commandId == commandId) {
            return &topic;
        }
    }
    return nullptr;
}

}  // namespace sorvel
