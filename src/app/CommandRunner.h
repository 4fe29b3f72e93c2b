#pragma once

#include <memory>

#include "app/EditDialogs.h"
#include "app/UnicodeShellCommands.h"
#include "shell/ShellCommands.h"

class QMainWindow;
class QPrinter;

namespace sorvel {

class AppSettings;
class CommandActions;
class DocumentArea;
class Platform;

// Runs the program's commands as the command table routes them: a view's
// commands on the active editor view, the shell's here. Of those it hands
// the documents' to the document manager, the Edit menu's dialogs to
// EditDialogs and the Unicode commands to UnicodeShellCommands, and does
// printing and the View and Window menus itself.
class CommandRunner : public ShellCommands {
  public:
    CommandRunner(Platform& platform, QMainWindow& window, DocumentArea& area,
                  CommandActions& actions, AppSettings& settings);
    ~CommandRunner() override;

    // Runs a command as its menu row, toolbar button or key does; false when
    // it cannot run now (no document window, or not available).
    bool run(int id);
    // Gives every command's action its enabled state and check mark.
    void updateActions();

    // The printer that Print Setup sets up and Print prints on.
    QPrinter& printer();
    EditDialogs& editDialogs() { return edit_; }
    const EditDialogs& editDialogs() const { return edit_; }

    // ShellCommands
    void fileNew() override;
    void fileOpen() override;
    void fileClose() override;
    void fileSave() override;
    void fileSaveAs() override;
    void filePrint() override;
    void filePrintPreview() override;
    void filePrintSetup() override;
    void appExit() override;
    void editPasteSpecial() override { edit_.pasteSpecial(); }
    void editFind() override { edit_.find(); }
    void editFindNext() override { edit_.findNext(); }
    void editReplace() override { edit_.replace(); }
    void updatePasteSpecial(CommandStatus& status) override;
    void updateFind(CommandStatus& status) override;
    void updateFindNext(CommandStatus& status) override;
    void updateReplace(CommandStatus& status) override;
    void viewToolbar() override;
    void viewStatusBar() override;
    void updateViewToolbar(CommandStatus& status) override;
    void updateViewStatusBar(CommandStatus& status) override;
    void windowNew() override;
    void windowCascade() override;
    void windowTile() override;
    void windowArrange() override;
    void appAbout() override;
    void copyAsUnicode() override { unicode_.copyAsUnicode(); }
    void updateCopyAsUnicode(CommandStatus& status) override {
        unicode_.updateCopyAsUnicode(status);
    }
    void pasteUnicodePali() override { unicode_.pasteUnicodePali(); }
    void exportAsUnicode() override { unicode_.exportAsUnicode(); }
    void changeUnicodeFont() override { unicode_.changeUnicodeFont(); }

  private:
    QMainWindow& window_;
    DocumentArea& area_;
    CommandActions& actions_;
    AppSettings& settings_;
    EditDialogs edit_;
    UnicodeShellCommands unicode_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace sorvel
