#pragma once

#include <string>
#include <string_view>

#include "help/HelpMenuPlace.h"

namespace sorvel {

// One help topic: a menu command of its own that shows `text` in the help
// window with `title` as the caption. The title is also the menu label.
struct HelpTopic {
    int commandId;
    std::string_view title;
    HelpMenuPlace menu;
    // A separator stands before the row that leads to this topic in its menu:
    // before the topic's own row, or, for the first topic of a sub-menu,
    // before the sub-menu's row in the Help menu.
    bool separatorBefore;
    // 8-bit Windows-1252 text; paragraphs end with CR LF.
    std::string text;
};

}  // namespace sorvel
