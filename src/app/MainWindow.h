#pragma once

#include <QList>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "app/AppSettings.h"
#include "app/CommandRunner.h"
#include "app/DocumentArea.h"

class QLabel;
class QPrinter;
class QSettings;

namespace sorvel {

class CommandActions;
class Document;
class DocumentWindow;
class EditorView;
class HelpWindow;
class LockKeyIndicators;
class Platform;
class RecentFileList;
class RecoveryCopies;
struct TransliterationState;

// The main window: the menu bar (the document menu while a document window
// is active, the short one otherwise) and the toolbar, built from the
// command table; the document area with the document windows; the status
// bar; files dropped on it. Its commands run through the command runner, its
// documents through the area's document manager; closing it closes them all.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `settings` keeps the recent files, the preview's page count and the
    // Unicode font; none keeps nothing.
    MainWindow(Platform& platform, TransliterationState& state, QSettings* settings = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a document window on a new empty document ("RuvoVIR1", ...).
    DocumentWindow* newDocument();
    // Opens the document of a file in a window, or shows the window of it
    // that is already open. Nothing, after a message, when it fails.
    DocumentWindow* openDocument(const std::string& path);

    // Keeps recovery copies of the changed documents under `root` (every
    // AutoRecoverySeconds of the settings) and first offers the copies that
    // programs which did not end normally left there. Gives the number of
    // documents restored. Closing the window ends the copies normally.
    int startRecovery(const std::string& root);
    RecoveryCopies* recovery() const { return recovery_.get(); }

    // Runs a command as its menu row, toolbar button or key does; false when
    // it cannot run now (no document window, or not available).
    bool runCommand(int id);
    // Refreshes every command's enabled state and check mark, and the
    // Window menu's list of windows.
    void updateCommands();
    // Activates the document window at `index` in the order they opened
    // (restored when minimised), as its row in the Window menu does.
    void chooseWindow(std::size_t index);
    // "More Windows...": asks which of all the windows to activate.
    void chooseAmongAllWindows();

    DocumentArea* documentArea() const { return area_; }
    DocumentManager& documentManager() const { return area_->manager(); }
    // The active document window, its view and its document, or none.
    DocumentWindow* activeWindow() const { return area_->activeWindow(); }
    EditorView* activeView() const { return area_->activeView(); }
    Document* activeDocument() const { return area_->activeDocument(); }
    QList<Document*> documents() const { return area_->documents(); }
    const RecentFileList& recentFiles() const { return area_->manager().recentFiles(); }
    CommandActions& commands() const { return *commands_; }
    QLabel* messagePane() const { return ready_; }
    LockKeyIndicators& lockKeys() const { return *lockKeys_; }
    FindReplaceDialog* findDialog() const { return runner_.editDialogs().findDialog(); }
    // The printer that Print Setup sets up and Print prints on.
    QPrinter& printer() { return runner_.printer(); }
    // The help topics go here instead of the help dialog (for tests).
    void setHelpWindow(HelpWindow* window) { area_->setHelpWindow(window); }
    // The face in which Copy as Unicode and Export as Unicode set Pali text.
    const std::string& unicodeFace() const { return settings_.unicodeFace(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void activeChanged();
    void updateTitle();
    void scheduleUpdate();
    void updateWindowList();
    // The document windows' titles in the order they opened, and which is
    // the active one.
    QStringList windowTitles(std::optional<int>* active) const;

    Platform& platform_;
    AppSettings settings_;
    DocumentArea* area_;
    CommandActions* commands_;
    CommandRunner runner_;
    QLabel* ready_;
    LockKeyIndicators* lockKeys_ = nullptr;
    QTimer updateTimer_;
    std::unique_ptr<RecoveryCopies> recovery_;
};

}  // namespace sorvel
