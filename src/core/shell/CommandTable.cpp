#include "shell/CommandTable.h"

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <utility>

#include "help/HelpTopics.h"
#include "shell/CommandIds.h"
#include "shell/CommandRows.h"

namespace sorvel {

namespace {

// What the string table says of a help topic's command, where it says
// anything (other topics show their title), and the topic's key.
struct TopicExtras {
    int id;
    std::string_view strings;
    int toolbar;
    std::string_view icon;
    std::string_view keys;
};
constexpr std::array kTopicExtras = {
    TopicExtras{32834, "Test\nTest", 0, "", ""},
    TopicExtras{command::RightSpeech,
                "Right Speech - The Ultimate Grammar Checker\nRight Speech - The Ultimate "
                "Grammar Checker",
                33, "rightspeech", ""},
    TopicExtras{32852, "How you can help everyone!\nHow you can help everyone!", 0, "", ""},
    // The desktop's key for help opens the topic to read first.
    TopicExtras{command::ReadThisFirst, "", 0, "", "F1"},
};

// A string kept for the table's life.
std::string_view kept(std::string text) {
    static std::deque<std::string> store;  // a deque keeps its strings in place
    store.push_back(std::move(text));
    return store.back();
}

void describeTopic(Command& row, const HelpTopic& topic) {
    const std::string title(topic.title);
    row.label = topic.title;
    row.route = Route::HelpTopic;
    // The title as both prompt and tooltip.
    row.strings = kept(title + "\n" + title);
    for (const TopicExtras& extra : kTopicExtras) {
        if (extra.id != topic.commandId) {
            continue;
        }
        if (!extra.strings.empty()) {
            row.strings = extra.strings;
        }
        row.toolbar = extra.toolbar;
        row.toolbarSeparatorBefore = extra.toolbar != 0;
        row.icon = extra.icon;
        if (!extra.keys.empty()) {
            row.keys = extra.keys;
            row.label = kept(title + "\t" + std::string(extra.keys));
        }
    }
}

std::vector<Command> buildTable() {
    const std::span<const Command> rows = commandRows();
    std::vector<Command> table(rows.begin(), rows.end());
    for (Command& row : table) {
        if (row.route == Route::HelpTopic) {
            describeTopic(row, *findHelpTopic(row.id));
        }
    }
    // The Help menu's topics go before About, in the menu's order.
    auto about = std::find_if(table.begin(), table.end(),
                              [](const Command& c) { return c.id == command::AppAbout; });
    std::vector<Command> topics;
    for (const HelpTopic& topic : helpTopics()) {
        if (findHelpTopic(topic.commandId) == &topic &&
            std::none_of(table.begin(), table.end(),
                         [&](const Command& c) { return c.id == topic.commandId; })) {
            Command row{.id = topic.commandId, .menu = Menu::Help};
            describeTopic(row, topic);
            topics.push_back(row);
        }
    }
    table.insert(about, topics.begin(), topics.end());
    return table;
}

}  // namespace

const std::vector<Command>& commandTable() {
    static const std::vector<Command> table = buildTable();
    return table;
}

const Command* findCommand(int id) {
    for (const Command& c : commandTable()) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

std::vector<const Command*> toolbarCommands() {
    std::vector<const Command*> out;
    for (const Command& c : commandTable()) {
        if (c.toolbar > 0) {
            out.push_back(&c);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Command* a, const Command* b) { return a->toolbar < b->toolbar; });
    return out;
}

std::vector<const Command*> menuCommands(Menu menu) {
    std::vector<const Command*> out;
    for (const Command& c : commandTable()) {
        if (c.menu == menu) {
            out.push_back(&c);
        }
    }
    return out;
}

std::string_view menuTitle(Menu menu) {
    switch (menu) {
        case Menu::File:
            return "&File";
        case Menu::Edit:
            return "&Edit";
        case Menu::Format:
            return "F&ormat";
        case Menu::GeneralTransliteration:
            return "General &Transliteration";
        case Menu::Pali:
            return "&Pali";
        case Menu::View:
            return "&View";
        case Menu::Window:
            return "&Window";
        case Menu::Help:
            return "&Help";
        case Menu::None:
            break;
    }
    return {};
}

}  // namespace sorvel
