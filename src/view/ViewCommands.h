#pragma once

#include <span>
#include <string_view>

#include "app/CommandStatus.h"
#include "app/ViewContext.h"

namespace sorvel {

// The editor view's table from command identifier to handler: what the view
// runs for a menu item, a toolbar button or a key.
struct ViewCommand {
    int id;
    // The view's key for the command, in the portable text form ("Ctrl+B");
    // empty when the command has none.
    std::string_view key;
    void (*run)(ViewContext& view);
    // Fills the command's state; none means always enabled, no check mark.
    void (*update)(ViewContext& view, CommandStatus& status);
};

std::span<const ViewCommand> viewCommands();
// The entry of `id`, or none.
const ViewCommand* findViewCommand(int id);

}  // namespace sorvel
