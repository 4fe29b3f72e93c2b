#include <QFile>

#include "app/CMainFrame.h"
#include "app/CSorvelDoc.h"
#include "qt/QtUnicodeClipboard.h"
#include "app/CSorvelView.h"

// The Pali menu's doors to Unicode: the main window hands them the desktop's
// clipboard, the Unicode font kept in the settings and the document's file.

namespace sorvel {

void CMainFrame::copyAsUnicode() {
    if (CSorvelView* view = activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::copyAsUnicode(view->context(), clipboard, unicodeFace_);
    }
}

void CMainFrame::updateCopyAsUnicode(CommandStatus& status) {
    if (CSorvelView* view = activeView()) {
        sorvel::updateCopyAsUnicode(view->context(), status);
    } else {
        status.enabled = false;
    }
}

void CMainFrame::pasteUnicodePali() {
    if (CSorvelView* view = activeView()) {
        QtUnicodeClipboard clipboard;
        sorvel::pasteUnicodePali(view->context(), clipboard);
    }
}

void CMainFrame::exportAsUnicode() {
    CSorvelView* view = activeView();
    CSorvelDoc* doc = activeDocument();
    if (view && doc) {
        sorvel::exportAsUnicode(view->context(), unicodeFace_,
                                {QFile::encodeName(doc->title()).toStdString(), doc->path()});
    }
}

void CMainFrame::changeUnicodeFont() {
    if (std::optional<std::string> face = chooseUnicodeFont(platform_, unicodeFace_)) {
        unicodeFace_ = *face;
        saveSettings();
    }
}

}  // namespace sorvel
