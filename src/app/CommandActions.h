#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include "editor/CommandStatus.h"

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

  signals:
    void triggered(int id);

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
    QToolBar* toolBar_ = nullptr;
    bool showingDocument_ = false;
};

}  // namespace sorvel
