#pragma once

#include <string>

#include "help/HelpWindow.h"

namespace sorvel {

// The text that the help window shows for a topic's text: an empty first line,
// so that the topic starts on the second line, clear of the window's edge.
std::string helpWindowText(const std::string& text);

// Shows a topic in the help window: `title` as the caption, and the text with
// an empty line before it.
void showHelpTopic(HelpWindow& window, std::string title, std::string text);

// The handler of a help topic's command: keeps the topic's text in the view's
// help text field, then shows the topic. False, with nothing shown or changed,
// when the command is no help topic.
bool runHelpTopicCommand(int commandId, std::string& viewHelpText, HelpWindow& window);

}  // namespace sorvel
