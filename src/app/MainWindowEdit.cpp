#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>

#include "app/EditorView.h"
#include "app/FindReplaceDialog.h"
#include "editor/Platform.h"
#include "qt/QtClipboardData.h"

// The Edit menu's dialogs of the main window: Paste Special, Find, Replace.

namespace sorvel {

// --- Edit ------------------------------------------------------------------

void MainWindow::editPasteSpecial() {
    EditorView* view = activeView();
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

void MainWindow::showFindDialog(bool replace) {
    if (findDialog_ && findDialog_->isReplace() != replace) {
        findDialog_->close();
        findDialog_ = nullptr;
    }
    if (!findDialog_) {
        findDialog_ = new FindReplaceDialog(replace, this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        FindReplaceDialog* dialog = findDialog_;
        connect(dialog, &FindReplaceDialog::findNextRequested, this,
                [this, dialog] { findNext(dialog->findWhat(), dialog->options()); });
        connect(dialog, &FindReplaceDialog::replaceRequested, this, [this, dialog] {
            EditorView* view = activeView();
            lastFind_ = dialog->findWhat();
            lastOptions_ = dialog->options();
            if (view && !TextSearch::replace(view->surface(), lastFind_, dialog->replaceWith(),
                                             lastOptions_)) {
                platform_.messageBox(TextSearch::notFoundMessage(lastFind_));
            }
        });
        connect(dialog, &FindReplaceDialog::replaceAllRequested, this, [this, dialog] {
            EditorView* view = activeView();
            lastFind_ = dialog->findWhat();
            lastOptions_ = dialog->options();
            if (view && TextSearch::replaceAll(view->surface(), lastFind_, dialog->replaceWith(),
                                               lastOptions_) == 0) {
                platform_.messageBox(TextSearch::notFoundMessage(lastFind_));
            }
        });
    }
    // The selection, when it is short and in one line, is what to find.
    if (EditorView* view = activeView()) {
        const std::string selected = view->surface().getSelText();
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

void MainWindow::findNext(const std::string& what, const SearchOptions& options) {
    lastFind_ = what;
    lastOptions_ = options;
    EditorView* view = activeView();
    if (view && !what.empty() && !TextSearch::findNext(view->surface(), what, options)) {
        platform_.messageBox(TextSearch::notFoundMessage(what));
    }
}

void MainWindow::editFind() {
    showFindDialog(false);
}

void MainWindow::editReplace() {
    showFindDialog(true);
}

void MainWindow::editFindNext() {
    if (lastFind_.empty()) {
        showFindDialog(false);
        return;
    }
    findNext(lastFind_, lastOptions_);
}

void MainWindow::updateFindNext(CommandStatus& status) {
    status.enabled = activeView() != nullptr;
}

}  // namespace sorvel
