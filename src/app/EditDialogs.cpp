#include "app/EditDialogs.h"

#include <QApplication>
#include <QClipboard>

#include "app/DocumentArea.h"
#include "app/EditorView.h"
#include "editor/Platform.h"
#include "qt/QtClipboardData.h"
#include "qt/QtText.h"

namespace sorvel {

EditDialogs::EditDialogs(Platform& platform, DocumentArea& area, QWidget& parent)
    : platform_(platform), area_(area), parent_(parent) {}

EditDialogs::~EditDialogs() {
    // The dialog, a child of the window, outlives this; it must not call here.
    if (findDialog_) {
        QObject::disconnect(findDialog_, nullptr, &parent_, nullptr);
    }
}

void EditDialogs::pasteSpecial() {
    EditorView* view = area_.activeView();
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

void EditDialogs::showFindDialog(bool replace) {
    if (findDialog_ && findDialog_->isReplace() != replace) {
        findDialog_->close();
        findDialog_ = nullptr;
    }
    if (!findDialog_) {
        findDialog_ = new FindReplaceDialog(replace, &parent_);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        FindReplaceDialog* dialog = findDialog_;
        QObject::connect(dialog, &FindReplaceDialog::findNextRequested, &parent_,
                         [this, dialog] { findNext(dialog->findWhat(), dialog->options()); });
        QObject::connect(dialog, &FindReplaceDialog::replaceRequested, &parent_,
                         [this, dialog] { this->replace(*dialog, false); });
        QObject::connect(dialog, &FindReplaceDialog::replaceAllRequested, &parent_,
                         [this, dialog] { this->replace(*dialog, true); });
    }
    // The selection, when it is short and in one line, is what to find.
    if (EditorView* view = area_.activeView()) {
        const std::string selected = view->surface().getSelText();
        if (!selected.empty() && selected.size() < 128 &&
            selected.find('\r') == std::string::npos) {
            // As the document's characters: a search for them finds them.
            findDialog_->setFindWhat(QtText::fromBytes(selected));
        } else if (!lastFind_.empty()) {
            findDialog_->setFindWhat(QString::fromStdString(lastFind_));
        }
    }
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void EditDialogs::findNext() {
    if (lastFind_.empty()) {
        showFindDialog(false);
        return;
    }
    findNext(lastFind_, lastOptions_);
}

void EditDialogs::findNext(const std::string& what, const SearchOptions& options) {
    lastFind_ = what;
    lastOptions_ = options;
    EditorView* view = area_.activeView();
    const SearchText text = SearchText::typed(what);
    if (view && !text.empty() && !TextSearch::findNext(view->surface(), text, options)) {
        platform_.messageBoxUtf8(TextSearch::notFoundMessage(text));
    }
}

void EditDialogs::replace(const FindReplaceDialog& dialog, bool all) {
    lastFind_ = dialog.findWhat();
    lastOptions_ = dialog.options();
    EditorView* view = area_.activeView();
    if (!view) {
        return;
    }
    const SearchText what = SearchText::typed(lastFind_);
    const SearchText with = SearchText::typed(dialog.replaceWith());
    const bool found = all ? TextSearch::replaceAll(view->surface(), what, with, lastOptions_) > 0
                           : TextSearch::replace(view->surface(), what, with, lastOptions_);
    if (!found) {
        platform_.messageBoxUtf8(TextSearch::notFoundMessage(what));
    }
}

void EditDialogs::closeFindDialog() {
    if (findDialog_) {
        findDialog_->close();
    }
}

}  // namespace sorvel
