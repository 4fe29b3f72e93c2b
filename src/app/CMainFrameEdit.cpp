#include "app/CMainFrame.h"

#include <QApplication>
#include <QClipboard>

#include "app/CFindReplaceDlg.h"
#include "editor/Platform.h"
#include "app/CSorvelView.h"
#include "qt/QtClipboardData.h"

// The Edit menu's dialogs of the main window: Paste Special, Find, Replace.

namespace sorvel {

// --- Edit ------------------------------------------------------------------

void CMainFrame::editPasteSpecial() {
    CSorvelView* view = activeView();
    if (!view) {
        return;
    }
    const std::vector<std::string> formats =
        QtClipboardData::pasteFormats(QApplication::clipboard()->mimeData());
    if (formats.empty()) {
        return;
    }
    const std::optional<std::size_t> choice = platform_.choosePasteFormat(formats);
    if (!choice || *choice >= formats.size()) {
        return;
    }
    view->pasteAs(formats[*choice] == QtClipboardData::kPlainTextLabel
                      ? QtClipboardData::As::PlainText
                      : QtClipboardData::As::RichText);
}

void CMainFrame::showFindDialog(bool replace) {
    if (findDialog_ && findDialog_->isReplace() != replace) {
        findDialog_->close();
        findDialog_ = nullptr;
    }
    if (!findDialog_) {
        findDialog_ = new CFindReplaceDlg(replace, this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        CFindReplaceDlg* dialog = findDialog_;
        connect(dialog, &CFindReplaceDlg::findNextRequested, this,
                [this, dialog] { findNext(dialog->findWhat(), dialog->options()); });
        connect(dialog, &CFindReplaceDlg::replaceRequested, this, [this, dialog] {
            CSorvelView* view = activeView();
            lastFind_ = dialog->findWhat();
            lastOptions_ = dialog->options();
            if (view && !TextSearch::replace(view->surface(), lastFind_, dialog->replaceWith(),
                                             lastOptions_)) {
                platform_.messageBox(TextSearch::notFoundMessage(lastFind_));
            }
        });
        connect(dialog, &CFindReplaceDlg::replaceAllRequested, this, [this, dialog] {
            CSorvelView* view = activeView();
            lastFind_ = dialog->findWhat();
            lastOptions_ = dialog->options();
            if (view && TextSearch::replaceAll(view->surface(), lastFind_, dialog->replaceWith(),
                                               lastOptions_) == 0) {
                platform_.messageBox(TextSearch::notFoundMessage(lastFind_));
            }
        });
    }
    // The selection, when it is short and in one line, is what to find.
    if (CSorvelView* view = activeView()) {
        const std::string selected = view->surface().GetSelText();
        if (!selected.empty() && selected.size() < 128 &&
            selected.find('\r') == std::string::npos) {
            findDialog_->setFindWhat(selected);
        } else if (!lastFind_.empty()) {
            findDialog_->setFindWhat(lastFind_);
        }
    }
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void CMainFrame::findNext(const std::string& what, const SearchOptions& options) {
    lastFind_ = what;
    lastOptions_ = options;
    CSorvelView* view = activeView();
    if (view && !what.empty() && !TextSearch::findNext(view->surface(), what, options)) {
        platform_.messageBox(TextSearch::notFoundMessage(what));
    }
}

void CMainFrame::editFind() {
    showFindDialog(false);
}

void CMainFrame::editReplace() {
    showFindDialog(true);
}

void CMainFrame::editFindNext() {
    if (lastFind_.empty()) {
        showFindDialog(false);
        return;
    }
    findNext(lastFind_, lastOptions_);
}

void CMainFrame::updateFindNext(CommandStatus& status) {
    status.enabled = activeView() != nullptr;
}

}  // namespace sorvel
