#include "app/UnicodeShellCommands.h"

#include "app/AppSettings.h"
#include "app/DocumentArea.h"
#include "app/EditorView.h"
#include "qt/QtUnicodeClipboard.h"
#include "unicode/UnicodeEditorCommands.h"

namespace sorvel {

UnicodeShellCommands::UnicodeShellCommands(Platform& platform, DocumentArea& area,
                                           AppSettings& settings)
    : platform_(platform), area_(area), settings_(settings) {}

void UnicodeShellCommands::copyAsUnicode() {
    if (EditorView* view = area_.activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::copyAsUnicode(view->context(), clipboard, settings_.unicodeFace());
    }
}

void UnicodeShellCommands::updateCopyAsUnicode(CommandStatus& status) {
    if (EditorView* view = area_.activeView()) {
        sorvel::updateCopyAsUnicode(view->context(), status);
    } else {
        status.enabled = false;
    }
}

void UnicodeShellCommands::pasteUnicodePali() {
    if (EditorView* view = area_.activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::pasteUnicodePali(view->context(), clipboard);
    }
}

void UnicodeShellCommands::exportAsUnicode() {
    EditorView* view = area_.activeView();
    Document* doc = area_.activeDocument();
    if (view && doc) {
        sorvel::exportAsUnicode(view->context(), settings_.unicodeFace(),
                                {doc->title(), doc->path()});
    }
}

void UnicodeShellCommands::changeUnicodeFont() {
    if (std::optional<std::string> face = chooseUnicodeFont(platform_, settings_.unicodeFace())) {
        settings_.setUnicodeFace(*face);
    }
}

}  // namespace sorvel
