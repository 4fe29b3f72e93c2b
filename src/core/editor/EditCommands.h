#pragma once

#include <string_view>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"

namespace sorvel {

// The Edit menu's commands that act on the view's text alone.
class EditCommands {
  public:
    static void undo(ViewContext& view);
    static void updateUndo(ViewContext& view, CommandStatus& status);
    static void redo(ViewContext& view);
    static void updateRedo(ViewContext& view, CommandStatus& status);
    static void selectAll(ViewContext& view);
    // Enabled while the document has text (Select All, Find, Replace).
    static void updateNeedText(ViewContext& view, CommandStatus& status);
    // Enabled while the document has text and something has been looked for
    // (Find Next).
    static void updateNeedSearch(ViewContext& view, std::string_view searched,
                                 CommandStatus& status);
    // Copies the selection to the clipboard and deletes it.
    static void cut(ViewContext& view);
    static void copy(ViewContext& view);
    // Enabled while something is selected (cut and copy).
    static void updateSelection(ViewContext& view, CommandStatus& status);
    static void paste(ViewContext& view);
    // Enabled while the clipboard holds something to paste (Paste, Paste
    // Special).
    static void updatePaste(ViewContext& view, CommandStatus& status);
};

}  // namespace sorvel
