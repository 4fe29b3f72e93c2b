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

void EditCommands::redo(ViewContext& view) {
    if (view.surface.canRedo()) {
        view.surface.redo();
    }
}

void EditCommands::updateRedo(ViewContext& view, CommandStatus& status) {
    status.enabled = view.surface.canRedo();
}

void EditCommands::selectAll(ViewContext& view) {
    view.surface.setSel(0, -1);
}

void EditCommands::updateNeedText(ViewContext& view, CommandStatus& status) {
    status.enabled = view.surface.getTextLength() > 0;
}

void EditCommands::updateNeedSearch(ViewContext& view, std::string_view searched,
                                    CommandStatus& status) {
    status.enabled = view.surface.getTextLength() > 0 && !searched.empty();
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

void EditCommands::updatePaste(ViewContext& view, CommandStatus& status) {
    status.enabled = view.surface.canPaste();
}

}  // namespace sorvel
