#include "help/ShowHelpTopic.h"

#include "help/HelpTopics.h"

namespace sorvel {

std::string helpWindowText(const std::string& text) {
    return "\r\n" + text;
}

void showHelpTopic(HelpWindow& window, std::string title, std::string text) {
    window.run(title, helpWindowText(text));
}

bool runHelpTopicCommand(int commandId, std::string& viewHelpText, HelpWindow& window) {
    const HelpTopic* topic = findHelpTopic(commandId);
    if (topic == nullptr) {
        return false;
    }
    viewHelpText = topic->text;
    showHelpTopic(window, std::string(topic->title), viewHelpText);
    return true;
}

}  // namespace sorvel
