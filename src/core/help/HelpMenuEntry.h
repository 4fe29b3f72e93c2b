#pragma once

#include <string_view>
#include <vector>

namespace sorvel {

// One row of the Help menu as the shell builds it.
struct HelpMenuEntry {
    enum class Kind {
        Topic,      // a help topic's command; `label` is its title
        Separator,  //
        SubMenu,    // a sub-menu titled `label` holding `entries`
        About,      // the About box's command, which closes the menu
    };

    Kind kind = Kind::Separator;
    int commandId = 0;  // Topic and About
    std::string_view label;
    std::vector<HelpMenuEntry> entries;  // SubMenu only
};

}  // namespace sorvel
