#pragma once

#include <QList>
#include <QMdiArea>
#include <memory>
#include <string>

#include "app/Document.h"
#include "shell/DocumentHost.h"
#include "shell/DocumentManager.h"
#include "text/FontDescription.h"

namespace sorvel {

class DocumentWindow;
class EditorView;
class HelpWindow;
class Platform;
class RecentFileStore;
struct TransliterationState;

// The main window's document area: the document windows, each an editor
// view of a document. It owns the document manager and is its host: it makes
// the documents and windows the manager asks for, and asks the manager
// before a window closes.
class DocumentArea : public QMdiArea, public DocumentHost {
    Q_OBJECT

  public:
    // `store` keeps the recent files; none keeps nothing.
    DocumentArea(Platform& platform, TransliterationState& state, RecentFileStore* store,
                 QWidget* parent = nullptr);
    ~DocumentArea() override;

    DocumentManager& manager() { return manager_; }
    const DocumentManager& manager() const { return manager_; }
    // The open documents, in the order they were opened.
    QList<Document*> documents() const;
    // The first window of `doc`.
    static DocumentWindow* firstWindow(ManagedDocument& doc);

    // The document windows in the order they opened.
    QList<DocumentWindow*> documentWindows() const;
    // The active document window (it stays active while a dialog of the
    // program has the focus), its view and its document; none without one.
    DocumentWindow* activeWindow() const;
    EditorView* activeView() const;
    Document* activeDocument() const override;

    // Whether `window` may close now: the last window of a document asks
    // about its changes.
    bool mayClose(DocumentWindow& window);
    // Lines the minimised windows up along the bottom of the area.
    void arrangeMinimized();
    // Cascades the windows from the area's top left corner, each as large as
    // the area allows with the title bars of those before it showing.
    void cascade();
    // Places again, for the area's new size, every window that still stands
    // where it was placed when it opened: a window placed before the area
    // had its size (the first one, at start) or when it was smaller follows
    // it; one the user has moved or sized stays where it is.
    void followArea();
    // The help topics of the views go here instead of the help dialog (for
    // tests); for views opened from now on.
    void setHelpWindow(HelpWindow* window) { helpWindow_ = window; }

    // DocumentHost
    ManagedDocument& createDocument(const std::string& title) override;
    ManagedDocument* readDocument(const std::string& path, DocumentError& error) override;
    ManagedDocument& restoreDocument(const RichText& text, const std::string& path,
                                     const std::string& title) override;
    void openWindow(ManagedDocument& doc) override;
    void activate(ManagedDocument& doc) override;
    void closeWindows(ManagedDocument& doc) override;
    void showRecentFiles(const RecentFileList& files) override;

  signals:
    // A window has opened and is the active one.
    void windowOpened();
    // A document's title has changed.
    void titleChanged();
    // What the commands can do may have changed: a view's caret, selection,
    // undo or command, or a document has closed.
    void commandsChanged();
    void recentFilesChanged(const RecentFileList& files);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    Document& adopt(std::unique_ptr<Document> doc);
    // The font Unicode Pali comes into when a file is opened: the default
    // Pali font (an empty face when none has been chosen).
    FontDescription paliFontForOpening() const;

    Platform& platform_;
    TransliterationState& state_;
    HelpWindow* helpWindow_ = nullptr;
    DocumentManager manager_;
};

}  // namespace sorvel
