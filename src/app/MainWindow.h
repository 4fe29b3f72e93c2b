#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>

#include "app/FindReplaceDialog.h"
#include "shell/RecentFileList.h"
#include "shell/ShellCommands.h"
#include "shell/TextSearch.h"
#include "unicode/UnicodeEditorCommands.h"

class QLabel;
class QMdiArea;
class QPrinter;
class QSettings;

namespace sorvel {

class DocumentWindow;
class CommandActions;
class Document;
class EditorView;
class HelpWindow;
class LockKeyIndicators;
class Platform;
struct TransliterationState;

// The main window: the menu bar (the document menu while a document window
// is active, the short one otherwise), the toolbar, the document area with
// the document windows and the status bar. It runs every command: its own
// (documents, printing, the Edit menu's dialogs, windows, About) and, by
// handing them on, those of the active editor view.
class MainWindow : public QMainWindow, public ShellCommands {
    Q_OBJECT

  public:
    // `settings` keeps the recent files and the preview's page count; none
    // keeps nothing.
    MainWindow(Platform& platform, TransliterationState& state, QSettings* settings = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a document window on a new empty document ("RuvoVIR1", ...).
    DocumentWindow* newDocument();
    // Opens the document of a file in a window, or shows the window of it
    // that is already open. Nothing, after a message, when it fails.
    DocumentWindow* openDocument(const std::string& path);
    // Saves a document: under its own name, or one the user chooses when it
    // has none or `askName`. False when cancelled or failed (after a message).
    bool saveDocument(Document& doc, bool askName);
    // Asks "Save changes to %1?" for a changed document and saves it on Yes;
    // false when the document must stay open (Cancel, or a failed save).
    bool saveModified(Document& doc);
    // Whether a document window may close: the last window of a document
    // asks about its changes.
    bool canCloseWindow(DocumentWindow* frame);
    // Closes every document, asking about each changed one; false when the
    // user kept one open.
    bool closeAllDocuments();

    // Runs a command as its menu row, toolbar button or key does; false when
    // it cannot run now (no document window, or not available).
    bool runCommand(int id);
    // Refreshes every command's enabled state and check mark.
    void updateCommands();

    QMdiArea* documentArea() const { return area_; }
    // The view of the active document window, or none.
    EditorView* activeView() const;
    DocumentWindow* activeWindow() const;
    Document* activeDocument() const;
    QList<Document*> documents() const;
    CommandActions& commands() const { return *commands_; }
    const RecentFileList& recentFiles() const { return recent_; }
    QLabel* messagePane() const { return ready_; }
    LockKeyIndicators& lockKeys() const { return *lockKeys_; }
    FindReplaceDialog* findDialog() const { return findDialog_; }
    // The printer that Print Setup sets up and Print prints on.
    QPrinter& printer();
    // The help topics go here instead of the help dialog (for tests).
    void setHelpWindow(HelpWindow* window) { helpWindow_ = window; }

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
    void editPasteSpecial() override;
    void editFind() override;
    void editFindNext() override;
    void editReplace() override;
    void updateFindNext(CommandStatus& status) override;
    void viewToolbar() override;
    void viewStatusBar() override;
    void updateViewToolbar(CommandStatus& status) override;
    void updateViewStatusBar(CommandStatus& status) override;
    void windowNew() override;
    void windowCascade() override;
    void windowTile() override;
    void windowArrange() override;
    void appAbout() override;
    void copyAsUnicode() override;
    void updateCopyAsUnicode(CommandStatus& status) override;
    void pasteUnicodePali() override;
    void exportAsUnicode() override;
    void changeUnicodeFont() override;

    // The face in which Copy as Unicode and Export as Unicode set Pali text.
    const std::string& unicodeFace() const { return unicodeFace_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    DocumentWindow* createWindow(Document* doc);
    Document* adopt(std::unique_ptr<Document> doc);
    void activeChanged();
    void updateTitle();
    void scheduleUpdate();
    void addRecentFile(const std::string& path);
    void openRecent(int index);
    void saveSettings() const;
    void loadSettings();
    void showFindDialog(bool replace);
    void findNext(const std::string& what, const SearchOptions& options);

    Platform& platform_;
    TransliterationState& state_;
    QSettings* settings_;
    QMdiArea* area_;
    CommandActions* commands_;
    QLabel* ready_;
    LockKeyIndicators* lockKeys_;
    QList<QPointer<Document>> documents_;
    int documentCount_ = 0;
    RecentFileList recent_;
    std::unique_ptr<QPrinter> printer_;
    int previewPages_ = 1;
    QPointer<FindReplaceDialog> findDialog_;
    std::string lastFind_;
    SearchOptions lastOptions_;
    HelpWindow* helpWindow_ = nullptr;
    QTimer updateTimer_;
    bool closingAll_ = false;
    std::string unicodeFace_;
};

}  // namespace sorvel
