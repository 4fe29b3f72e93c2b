#include "help/HelpMenuLayout.h"

#include "help/HelpTopics.h"

namespace sorvel {

namespace {

bool isHelpSubMenu(HelpMenuPlace place) {
    return place == HelpMenuPlace::SpecialPaliFeatures ||
           place == HelpMenuPlace::OtherPaliResources;
}

std::string_view subMenuTitle(HelpMenuPlace place) {
    return place == HelpMenuPlace::SpecialPaliFeatures ? kSpecialPaliFeaturesMenu
                                                       : kOtherPaliResourcesMenu;
}

HelpMenuEntry separator() {
    return HelpMenuEntry{};
}

HelpMenuEntry topicEntry(const HelpTopic& topic) {
    return HelpMenuEntry{HelpMenuEntry::Kind::Topic, topic.commandId, topic.title, {}};
}

}  // namespace

std::vector<HelpMenuEntry> helpMenuLayout() {
    std::vector<HelpMenuEntry> menu;
    // The sub-menu being filled, by its index in `menu`; a sub-menu's topics
    // follow one another in the table.
    HelpMenuPlace openPlace = HelpMenuPlace::Help;
    std::size_t openIndex = 0;
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.menu == HelpMenuPlace::Help) {
            if (topic.separatorBefore) {
                menu.push_back(separator());
            }
            menu.push_back(topicEntry(topic));
            openPlace = HelpMenuPlace::Help;
        } else if (isHelpSubMenu(topic.menu)) {
            if (topic.menu != openPlace) {
                if (topic.separatorBefore) {
                    menu.push_back(separator());
                }
                menu.push_back(
                    HelpMenuEntry{HelpMenuEntry::Kind::SubMenu, 0, subMenuTitle(topic.menu), {}});
                openPlace = topic.menu;
                openIndex = menu.size() - 1;
            } else if (topic.separatorBefore) {
                menu[openIndex].entries.push_back(separator());
            }
            menu[openIndex].entries.push_back(topicEntry(topic));
        }
    }
    menu.push_back(separator());
    menu.push_back(HelpMenuEntry{HelpMenuEntry::Kind::About, kAboutCommand, kAboutLabel, {}});
    return menu;
}

std::vector<const HelpTopic*> topicsInMenu(HelpMenuPlace place) {
    std::vector<const HelpTopic*> topics;
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.menu == place) {
            topics.push_back(&topic);
        }
    }
    return topics;
}

}  // namespace sorvel
