#pragma once

#include <QPointer>
#include <string>

#include "app/FindReplaceDialog.h"
#include "shell/TextSearch.h"

class QWidget;

namespace sorvel {

class DocumentArea;
class Platform;

// The Edit menu's dialogs, acting on the active document window: Paste
// Special, and the modeless Find and Replace dialog, which remembers what it
// looked for last (for Find Next).
class EditDialogs {
  public:
    // The dialogs open over `parent`.
    EditDialogs(Platform& platform, DocumentArea& area, QWidget& parent);
    ~EditDialogs();
    EditDialogs(const EditDialogs&) = delete;
    EditDialogs& operator=(const EditDialogs&) = delete;

    void pasteSpecial();
    void find() { showFindDialog(false); }
    void replace() { showFindDialog(true); }
    // Finds what was looked for last again; the Find dialog when nothing was.
    void findNext();
    // What was looked for last; empty before the first search.
    const std::string& lastSearch() const { return lastFind_; }
    // The open Find or Replace dialog, or none.
    FindReplaceDialog* findDialog() const { return findDialog_; }
    void closeFindDialog();

  private:
    void showFindDialog(bool replace);
    void findNext(const std::string& what, const SearchOptions& options);
    void replace(const FindReplaceDialog& dialog, bool all);

    Platform& platform_;
    DocumentArea& area_;
    QWidget& parent_;
    QPointer<FindReplaceDialog> findDialog_;
    std::string lastFind_;  // as typed, UTF-8
    SearchOptions lastOptions_;
};

}  // namespace sorvel
