#pragma once

#include <span>

#include "shell/CommandTable.h"

namespace sorvel {

// The command table's own rows: those of every menu but Help in menu order,
// then the Help menu's rows that are not help topics, then the commands
// without a menu row. The help topics of the File and General
// Transliteration menus stand here with an empty label (the topic's title
// is the label); the Help menu's topics are added from the topic table.
std::span<const Command> commandRows();

}  // namespace sorvel
