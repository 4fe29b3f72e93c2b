#pragma once

#include <string>

#include "docformat/DocumentError.h"

namespace sorvel {

class ManagedDocument;
class RecentFileList;
class RichText;

// What the document manager asks of the windows around it: to make
// documents and their windows, to activate and close windows, and to show
// the recent-file list. The main window's document area implements it;
// tests, a fake. The host keeps the documents it makes alive until their
// last window has closed, and then tells the manager (documentClosed).
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    // A new empty document titled `title`, with no window yet.
    virtual ManagedDocument& createDocument(const std::string& title) = 0;
    // The document of the file at `path`, with no window yet; nothing, with
    // the reason in `error`, when it cannot be opened.
    virtual ManagedDocument* readDocument(const std::string& path, DocumentError& error) = 0;
    // A document restored from a recovery copy, with no window yet: `text`,
    // belonging to the file `path` (none for a document never saved) and
    // titled `title`, marked as changed.
    virtual ManagedDocument& restoreDocument(const RichText& text, const std::string& path,
                                             const std::string& title) = 0;
    // Opens a window on `doc` (a further one when it has some) and makes it
    // the active window.
    virtual void openWindow(ManagedDocument& doc) = 0;
    // Makes the first window of `doc` the active window.
    virtual void activate(ManagedDocument& doc) = 0;
    // Closes every window of `doc` without asking anything.
    virtual void closeWindows(ManagedDocument& doc) = 0;
    // The document of the active window, or none.
    virtual ManagedDocument* activeDocument() const = 0;
    // The recent-file list has changed: the File menu shows it.
    virtual void showRecentFiles(const RecentFileList& files) = 0;
};

}  // namespace sorvel
