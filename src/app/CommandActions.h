#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <vector>

#include "editor/CommandStatus.h"
#include "shell/WindowList.h"

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace sorvel {

class RecentFileList;

// The main window's commands as Qt actions, built from the command table:
// one action per command, with its label, keys, prompt, tooltip and toolbar
// image; the two menu bars (the document menu and the menu shown while no
// document window is active) and the toolbar.
class CommandActions : public QObject {
    Q_OBJECT

  public:
    // The actions go on `window`, so that their keys work wherever the focus
    // is in it.
    explicit CommandActions(QMainWindow& window);

    QAction* action(int id) const { return actions_.value(id); }
    const QHash<int, QAction*>& actions() const { return actions_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The menus of the menu bar, with or without a document window.
    const QList<QMenu*>& menus(bool document) const {
        return document ? documentMenus_ : frameMenus_;
    }
    // Puts the menus of one menu bar into the window's menu bar.
    void showMenus(bool document);
    bool showingDocumentMenus() const { return showingDocument_; }

    // The recent-file rows of the File menus, from the list.
    void setRecentFiles(const RecentFileList& files);

    // Enables and checks the action of `id`.
    void setStatus(int id, const CommandStatus& status);

    // The list of document windows at the foot of the Window menu, and
    // "More Windows..." after it when `more`.
    void setWindowList(const std::vector<WindowListRow>& rows, bool more);
    // The rows of that list now in the menu, "More Windows..." included.
    const QList<QAction*>& windowListActions() const { return windowRows_; }

  signals:
    void triggered(int id);
    // A row of the window list was chosen: the window at `window` in the
    // order the windows opened.
    void windowChosen(std::size_t window);
    void moreWindowsChosen();

  private:
    QAction* makeAction(int id);
    QMenu* buildMenu(int menu, bool document);
    void addRecentRows(QMenu* menu);
    void buildToolBar();

    QMainWindow& window_;
    QHash<int, QAction*> actions_;
    QList<QAction*> recent_;
    QAction* recentPlaceholder_ = nullptr;
    QList<QMenu*> documentMenus_;
    QList<QMenu*> frameMenus_;
    QMenu* windowMenu_ = nullptr;  // the document menu's Window menu
    QList<QAction*> windowRows_;   // its window list, with the separator before
    std::vector<WindowListRow> shownRows_;
    bool shownMore_ = false;
    QToolBar* toolBar_ = nullptr;
    bool showingDocument_ = false;
};

}  // namespace sorvel
