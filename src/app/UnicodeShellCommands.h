#pragma once

#include "editor/CommandStatus.h"

namespace sorvel {

class AppSettings;
class DocumentArea;
class Platform;

// The Pali menu's doors to Unicode, the shell's side: the Unicode commands
// of the active view, handed the desktop's clipboard, the Unicode font kept
// in the settings and the document's file.
class UnicodeShellCommands {
  public:
    UnicodeShellCommands(Platform& platform, DocumentArea& area, AppSettings& settings);

    void copyAsUnicode();
    void updateCopyAsUnicode(CommandStatus& status);
    void pasteUnicodePali();
    void exportAsUnicode();
    void changeUnicodeFont();

  private:
    Platform& platform_;
    DocumentArea& area_;
    AppSettings& settings_;
};

}  // namespace sorvel
