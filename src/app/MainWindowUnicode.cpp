#include <QFile>

#include "app/Document.h"
#include "app/EditorView.h"
#include "app/MainWindow.h"
#include "qt/QtUnicodeClipboard.h"

// The Pali menu's doors to Unicode: the main window hands them the desktop's
// clipboard, the Unicode font kept in the settings and the document's file.

namespace sorvel {

void MainWindow::copyAsUnicode() {
    if (EditorView* view = activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::copyAsUnicode(view->context(), clipboard, unicodeFace_);
    }
}

void MainWindow::updateCopyAsUnicode(CommandStatus& status) {
    if (EditorView* view = activeView()) {
        sorvel::updateCopyAsUnicode(view->context(), status);
    } else {
        status.enabled = false;
    }
}

void MainWindow::pasteUnicodePali() {
    if (EditorView* view = activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::pasteUnicodePali(view->context(), clipboard);
    }
}

void MainWindow::exportAsUnicode() {
    EditorView* view = activeView();
    Document* doc = activeDocument();
    if (view && doc) {
        sorvel::exportAsUnicode(view->context(), unicodeFace_,
                                {QFile::encodeName(doc->title()).toStdString(), doc->path()});
    }
}

void MainWindow::changeUnicodeFont() {
    if (std::optional<std::string> face = chooseUnicodeFont(platform_, unicodeFace_)) {
        unicodeFace_ = *face;
        saveSettings();
    }
}

}  // namespace sorvel
