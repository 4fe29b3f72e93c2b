#pragma once

#include <string_view>
#include <vector>

#include "help/HelpMenuEntry.h"
#include "help/HelpMenuPlace.h"
#include "help/HelpTopic.h"

namespace sorvel {

inline constexpr std::string_view kSpecialPaliFeaturesMenu = "Special Pali features";
inline constexpr std::string_view kOtherPaliResourcesMenu = "Other Pali Resources";
inline constexpr int kAboutCommand = 57664;
inline constexpr std::string_view kAboutLabel = "&About Sorvel...";

// The rows of the Help menu, top to bottom, derived from the topic table: the
// topics of the Help menu in table order, each sub-menu at the place of its
// first topic, the separators the topics ask for, and last a separator and
// the About command.
std::vector<HelpMenuEntry> helpMenuLayout();

// The topics that stand in one menu, in table order (for the File and General
// Transliteration menus, whose other rows are commands of the shell).
std::vector<const HelpTopic*> topicsInMenu(HelpMenuPlace menu);

}  // namespace sorvel
