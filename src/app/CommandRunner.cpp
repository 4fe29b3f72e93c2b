#include "app/CommandRunner.h"

#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/CommandActions.h"
#include "app/DocumentArea.h"
#include "app/DocumentPrinter.h"
#include "app/EditorView.h"
#include "editor/EditCommands.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"

namespace sorvel {

CommandRunner::CommandRunner(Platform& platform, QMainWindow& window, DocumentArea& area,
                             CommandActions& actions, AppSettings& settings)
    : window_(window),
      area_(area),
      actions_(actions),
      settings_(settings),
      edit_(platform, area, window),
      unicode_(platform, area, settings) {}

CommandRunner::~CommandRunner() = default;

bool CommandRunner::run(int id) {
    if (id >= command::RecentFirst && id <= command::RecentLast) {
        area_.manager().openRecent(static_cast<std::size_t>(id - command::RecentFirst));
        return true;
    }
    const Command* c = findCommand(id);
    if (!c || !c->unavailable.empty() || (!c->withoutDocument && !area_.activeView())) {
        return false;
    }
    if (c->route == Route::Shell) {
        if (!c->shell) {
            return false;
        }
        (this->*(c->shell))();
        return true;
    }
    EditorView* view = area_.activeView();
    return view && view->runCommand(id);
}

void CommandRunner::updateActions() {
    EditorView* view = area_.activeView();
    for (const Command& c : commandTable()) {
        CommandStatus status;
        if (!c.unavailable.empty() || (!c.withoutDocument && !view)) {
            status.enabled = false;
        } else if (c.route == Route::Shell) {
            if (c.shellUpdate) {
                (this->*(c.shellUpdate))(status);
            }
        } else if (view) {
            status = view->commandStatus(c.id).value_or(status);
        }
        if (c.id != command::RecentFirst) {
            actions_.setStatus(c.id, status);
        }
    }
}

// --- File --------------------------------------------------------------------

void CommandRunner::fileNew() {
    area_.manager().newDocument();
}

void CommandRunner::fileOpen() {
    area_.manager().openChosen();
}

void CommandRunner::fileClose() {
    if (Document* doc = area_.activeDocument()) {
        area_.manager().close(*doc);
    }
}

void CommandRunner::fileSave() {
    if (Document* doc = area_.activeDocument()) {
        area_.manager().save(*doc, false);
    }
}

void CommandRunner::fileSaveAs() {
    if (Document* doc = area_.activeDocument()) {
        area_.manager().save(*doc, true);
    }
}

QPrinter& CommandRunner::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        DocumentPrinter::setUp(*printer_);
    }
    return *printer_;
}

void CommandRunner::filePrint() {
    Document* doc = area_.activeDocument();
    if (!doc) {
        return;
    }
    QPrintDialog dialog(&printer(), &window_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted) {
        DocumentPrinter::print(*doc->text(), printer());
    }
}

void CommandRunner::filePrintPreview() {
    if (Document* doc = area_.activeDocument()) {
        settings_.setPreviewPages(
            DocumentPrinter::preview(*doc->text(), printer(), settings_.previewPages(), &window_));
    }
}

void CommandRunner::filePrintSetup() {
    QPageSetupDialog dialog(&printer(), &window_);
    dialog.exec();
}

void CommandRunner::appExit() {
    window_.close();
}

// --- Edit, View, Window and Help ---------------------------------------------

void CommandRunner::updatePasteSpecial(CommandStatus& status) {
    EditorView* view = area_.activeView();
    status.enabled = view != nullptr;
    if (view) {
        EditCommands::updatePaste(view->context(), status);
    }
}

void CommandRunner::updateFind(CommandStatus& status) {
    EditorView* view = area_.activeView();
    status.enabled = view != nullptr;
    if (view) {
        EditCommands::updateNeedText(view->context(), status);
    }
}

void CommandRunner::updateReplace(CommandStatus& status) {
    updateFind(status);
}

void CommandRunner::updateFindNext(CommandStatus& status) {
    EditorView* view = area_.activeView();
    status.enabled = view != nullptr;
    if (view) {
        EditCommands::updateNeedSearch(view->context(), edit_.lastSearch(), status);
    }
}

void CommandRunner::viewToolbar() {
    actions_.toolBar()->setVisible(!actions_.toolBar()->isVisible());
}

void CommandRunner::viewStatusBar() {
    window_.statusBar()->setVisible(!window_.statusBar()->isVisible());
}

void CommandRunner::updateViewToolbar(CommandStatus& status) {
    status.check = actions_.toolBar()->isVisibleTo(&window_) ? 1 : 0;
}

void CommandRunner::updateViewStatusBar(CommandStatus& status) {
    status.check = window_.statusBar()->isVisibleTo(&window_) ? 1 : 0;
}

void CommandRunner::windowNew() {
    if (Document* doc = area_.activeDocument()) {
        area_.manager().newWindow(*doc);
    }
}

void CommandRunner::windowCascade() {
    area_.cascade();
}

void CommandRunner::windowTile() {
    area_.tileSubWindows();
}

void CommandRunner::windowArrange() {
    area_.arrangeMinimized();
}

void CommandRunner::appAbout() {
    AboutDialog dialog(&window_);
    dialog.exec();
}

}  // namespace sorvel
