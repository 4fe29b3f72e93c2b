#include "editor/EditCommands.h"

namespace sorvel {

void EditCommands::undo(ViewContext& view) {
    if (view.surface.canUndo()) {
        view.surface.undo();
    }
}

void EditCommands::updateUndo(ViewContext& view, CommandStatus& status) {
    status.enabled = view.surface.canUndo();
}

void EditCommands::selectAll(ViewContext& view) {
    view.surface.setSel(0, -1);
}

void EditCommands::cut(ViewContext& view) {
    if (view.surface.getSel().empty()) {
        return;
    }
    view.surface.copy();
    view.surface.clear();
}

void EditCommands::copy(ViewContext& view) {
    if (!view.surface.getSel().empty()) {
        view.surface.copy();
    }
}

void EditCommands::updateSelection(ViewContext& view, CommandStatus& status) {
    status.enabled = !view.surface.getSel().empty();
}

void EditCommands::paste(ViewContext& view) {
    view.surface.paste();
}

}  // namespace sorvel
