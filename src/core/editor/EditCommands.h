#pragma once

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"

namespace sorvel {

// The Edit menu's commands that act on the view's text alone.
class EditCommands {
  public:
    static void undo(ViewContext& view);
    static void updateUndo(ViewContext& view, CommandStatus& status);
    static void selectAll(ViewContext& view);
    // Copies the selection to the clipboard and deletes it.
    static void cut(ViewContext& view);
    static void copy(ViewContext& view);
    // Enabled while something is selected (cut and copy).
    static void updateSelection(ViewContext& view, CommandStatus& status);
    static void paste(ViewContext& view);
};

}  // namespace sorvel
