#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileStamp.h"
#include "docformat/DocumentError.h"
#include "shell/RecentFileList.h"

namespace sorvel {

class DocumentHost;
class DocumentRecovery;
class ManagedDocument;
class Platform;
class RecentFileStore;
class RichText;

// The open documents of the program, without any window: new documents and
// their numbering, opening (a document already open shows its window),
// saving through the file dialog, the question "Save changes to %1?" before
// a changed document closes, closing one document or all of them, further
// windows on a document and the recent-file list. It asks the user through
// the platform and leaves the windows to its host.
class DocumentManager {
  public:
    // A new document's title: this and a running number (RuvoVIR1, ...).
    static constexpr std::string_view kNewDocumentName = "RuvoVIR";
    // The types of the save dialog, which decide the form a document is
    // written in: plain RTF (the first, chosen at first) or RTF in a
    // compound file.
    static constexpr std::string_view kRtfType = "RTF (Rich Text Format) Files";
    static constexpr std::string_view kCompoundType = "Sorvel Document (RTF in a compound file)";

    // `store` keeps the recent files (none keeps nothing); the list is read
    // from it here.
    DocumentManager(Platform& platform, DocumentHost& host, RecentFileStore* store = nullptr);
    DocumentManager(const DocumentManager&) = delete;
    DocumentManager& operator=(const DocumentManager&) = delete;

    // A new empty document in a window of its own.
    ManagedDocument& newDocument();
    // Opens the document of a file in a window, or activates the window of
    // it that is already open. Nothing, after a message, when it fails. A
    // file whose content the document could not keep all of, or whose
    // Unicode Pali came into the Pali font, is followed by one message that
    // says so.
    ManagedDocument* open(const std::string& path);
    // Opens each file in a window of its own, in the order given, so that
    // the last one that opens is the active window; one that cannot be
    // opened gives its message and the others still open. No files at all
    // make a new empty document. Gives how many files opened (0 for none).
    std::size_t openFiles(const std::vector<std::string>& paths);
    // Asks for a file and opens it; nothing when cancelled or failed.
    ManagedDocument* openChosen();
    // Opens entry `index` of the recent-file list; a file that cannot be
    // opened leaves the list.
    ManagedDocument* openRecent(std::size_t index);
    // A further window on `doc`, with a caret of its own.
    void newWindow(ManagedDocument& doc);
    // A document restored from a recovery copy, in a window of its own:
    // belonging to the file `path` as it was at `stamp` (none for a new
    // document), titled `title`, marked as changed.
    ManagedDocument& restore(const RichText& text, const std::string& path,
                             const std::string& title, const std::optional<FileStamp>& stamp);

    // Saves `doc` under its own name, or one the user chooses when it has
    // none or `askName` (a name without an extension gets ".rtf"). Under its
    // own name it keeps its file's form; under a chosen name, the type
    // chosen decides. When another program has changed the document's file
    // since it was read or last saved, asks before writing over it; writing
    // over the file of a document that could not keep all of it asks too
    // (No the default). False when cancelled or
    // failed (after a message).
    bool save(ManagedDocument& doc, bool askName);
    // Asks "Save changes to %1?" for a changed document, its window brought
    // to the front first, and saves it on Yes; false when the document must
    // stay open (Cancel, or a failed save).
    bool confirmClose(ManagedDocument& doc);
    // Closes every window of `doc`, after asking about its changes.
    void close(ManagedDocument& doc);
    // Whether one window of `doc` may close: only its last window asks about
    // its changes, and none while the manager closes documents itself.
    bool mayCloseWindow(ManagedDocument& doc);
    // Closes every document, asking about each changed one first; false,
    // with every document still open, when the user keeps one open.
    bool closeAll();
    // The host says: the last window of `doc` has closed.
    void documentClosed(ManagedDocument& doc);

    // The document of the active window, or none.
    ManagedDocument* activeDocument() const;

    // The message when a file cannot be opened: for a file that is no
    // document, what it is not, and for a .txt file where such files open.
    static std::string openFailureMessage(const DocumentError& error);
    // The open documents, in the order they were opened.
    const std::vector<ManagedDocument*>& documents() const { return documents_; }
    const RecentFileList& recentFiles() const { return recent_; }

    // The recovery copies, told when a document is saved or closed; none
    // keeps no copies.
    void setRecovery(DocumentRecovery* recovery) { recovery_ = recovery; }

  private:
    // Whether `doc` may be written to `path`: asks when that is its own file
    // and another program has changed it.
    bool mayWriteOver(ManagedDocument& doc, const std::string& path);
    // Files other programs wrote: the message after opening one that lost
    // content, and the question before writing over it.
    void tellWhatWasLeftOut(const ManagedDocument& doc);
    bool mayDropLostContent(const ManagedDocument& doc, const std::string& path);

    ManagedDocument& show(ManagedDocument& doc);
    void closeWindows(ManagedDocument& doc);
    void addRecentFile(const std::string& path);
    void recentFilesChanged();

    Platform& platform_;
    DocumentHost& host_;
    RecentFileStore* store_;
    DocumentRecovery* recovery_ = nullptr;
    std::vector<ManagedDocument*> documents_;
    int documentCount_ = 0;
    RecentFileList recent_;
    bool closing_ = false;
};

}  // namespace sorvel
