#pragma once

#include "editor/CommandStatus.h"

namespace sorvel {

// The commands that the shell handles itself rather than the editor view:
// documents, printing, the dialogs of the Edit menu, the windows and the
// About box, and the Unicode commands, which need the desktop's clipboard,
// the settings store and the document's file besides the view. The
// application's command runner implements them, handing the documents' to
// the DocumentManager; the command table names them.
class ShellCommands {
  public:
    virtual ~ShellCommands() = default;

    virtual void fileNew() = 0;
    virtual void fileOpen() = 0;
    virtual void fileClose() = 0;
    virtual void fileSave() = 0;
    virtual void fileSaveAs() = 0;
    virtual void filePrint() = 0;
    virtual void filePrintPreview() = 0;
    virtual void filePrintSetup() = 0;
    virtual void appExit() = 0;

    virtual void editPasteSpecial() = 0;
    virtual void editFind() = 0;
    virtual void editFindNext() = 0;
    virtual void editReplace() = 0;
    virtual void updatePasteSpecial(CommandStatus& status) = 0;
    virtual void updateFind(CommandStatus& status) = 0;
    virtual void updateFindNext(CommandStatus& status) = 0;
    virtual void updateReplace(CommandStatus& status) = 0;

    virtual void viewToolbar() = 0;
    virtual void viewStatusBar() = 0;
    virtual void updateViewToolbar(CommandStatus& status) = 0;
    virtual void updateViewStatusBar(CommandStatus& status) = 0;

    virtual void windowNew() = 0;
    virtual void windowCascade() = 0;
    virtual void windowTile() = 0;
    virtual void windowArrange() = 0;

    virtual void appAbout() = 0;

    virtual void copyAsUnicode() = 0;
    virtual void updateCopyAsUnicode(CommandStatus& status) = 0;
    virtual void pasteUnicodePali() = 0;
    virtual void exportAsUnicode() = 0;
    virtual void changeUnicodeFont() = 0;
};

}  // namespace sorvel
