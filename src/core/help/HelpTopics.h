#pragma once

#include <vector>

#include "help/HelpTopic.h"

namespace sorvel {

inline constexpr int kHelpTopicCount = 30;

// The thirty help topics in menu order: the File menu's topic, those of the
// General Transliteration menu, then the Help menu's from top to bottom with
// each sub-menu's topics where the sub-menu stands. Built once.
const std::vector<HelpTopic>& helpTopics();

// The topic of a command, or nullptr when the command shows no help topic.
const HelpTopic* findHelpTopic(int commandId);

}  // namespace sorvel
