#include "editor/EditCommands.h"

namespace sorvel {

void EditCommands::undo(ViewContext& view) {
    if (view.surface.CanUndo()) {
        view.surface.Undo();
    }
}

void EditCommands::updateUndo(ViewContext& view, CommandStatus& status) {
    status.enabled = view.surface.CanUndo();
}

void EditCommands::selectAll(ViewContext& view) {
    view.surface.SetSel(0, -1);
}

void EditCommands::cut(ViewContext& view) {
    if (view.surface.GetSel().empty()) {
        return;
    }
    view.surface.Copy();
    view.surface.Clear();
}

void EditCommands::copy(ViewContext& view) {
    if (!view.surface.GetSel().empty()) {
        view.surface.Copy();
    }
}

void EditCommands::updateSelection(ViewContext& view, CommandStatus& status) {
    status.enabled = !view.surface.GetSel().empty();
}

void EditCommands::paste(ViewContext& view) {
    view.surface.Paste();
}

}  // namespace sorvel
