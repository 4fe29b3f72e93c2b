#include "app/CommandActions.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "help/HelpMenuLayout.h"
#include "qt/QtText.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/RecentFileList.h"

namespace sorvel {

namespace {

QString text8(std::string_view text) {
    return QtText::fromBytes(text, QChar(u'\n'));
}

// The rows of `menu` that a menu bar shows: all of them with a document
// window, else those usable without one.
std::vector<const Command*> rowsOf(Menu menu, bool document) {
    std::vector<const Command*> rows;
    for (const Command* c : menuCommands(menu)) {
        if (document || c->withoutDocument) {
            rows.push_back(c);
        }
    }
    return rows;
}

}  // namespace

CommandActions::CommandActions(QMainWindow& window) : QObject(&window), window_(window) {
    for (const Command& c : commandTable()) {
        makeAction(c.id);
    }
    for (int id = command::RecentFirst + 1; id <= command::RecentLast; ++id) {
        makeAction(id);
    }
    for (int id = command::RecentFirst; id <= command::RecentLast; ++id) {
        recent_.append(actions_.value(id));
    }
    for (bool document : {true, false}) {
        QList<QMenu*>& menus = document ? documentMenus_ : frameMenus_;
        for (Menu m : {Menu::File, Menu::Edit, Menu::Format, Menu::GeneralTransliteration,
                       Menu::Pali, Menu::View, Menu::Window, Menu::Help}) {
            if (!rowsOf(m, document).empty()) {
                menus.append(buildMenu(static_cast<int>(m), document));
                if (m == Menu::Window && document) {
                    windowMenu_ = menus.back();
                }
            }
        }
    }
    buildToolBar();
    setRecentFiles(RecentFileList(kRecentFileCount));
}

QAction* CommandActions::makeAction(int id) {
    auto* action = new QAction(&window_);
    action->setData(id);
    if (const Command* c = findCommand(id); c && id != command::RecentFirst) {
        const std::string_view label = c->label.empty() ? c->tooltip() : c->label;
        action->setText(text8(label));
        action->setStatusTip(text8(c->prompt()));
        if (!c->tooltip().empty()) {
            action->setToolTip(text8(c->tooltip()));
        }
        if (!c->keys.empty()) {
            action->setShortcuts(QKeySequence::listFromString(
                QString::fromLatin1(c->keys.data(), c->keys.size()), QKeySequence::PortableText));
            // The menu row shows the key as the label writes it.
            action->setShortcutVisibleInContextMenu(false);
        }
        if (!c->icon.empty()) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg")
                                      .arg(QString::fromLatin1(c->icon.data(), c->icon.size()))));
        }
        action->setCheckable(c->checkable);
        if (!c->unavailable.empty()) {
            action->setEnabled(false);
        }
    } else {
        action->setStatusTip(text8(kRecentFilePrompt));
    }
    // Keys work wherever the focus is in the window, also while the menu
    // that shows the command is not in the menu bar.
    window_.addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
    actions_.insert(id, action);
    return action;
}

QMenu* CommandActions::buildMenu(int menuNumber, bool document) {
    const Menu menu = static_cast<Menu>(menuNumber);
    auto* qmenu = new QMenu(text8(menuTitle(menu)), &window_);
    if (menu == Menu::Help && document) {
        // The topics and their sub-menus as the help table lays them out.
        std::function<void(QMenu*, const std::vector<HelpMenuEntry>&)> fill =
            [&](QMenu* into, const std::vector<HelpMenuEntry>& entries) {
                for (const HelpMenuEntry& e : entries) {
                    switch (e.kind) {
                        case HelpMenuEntry::Kind::Separator:
                            into->addSeparator();
                            break;
                        case HelpMenuEntry::Kind::SubMenu:
                            fill(into->addMenu(text8(e.label)), e.entries);
                            break;
                        case HelpMenuEntry::Kind::Topic:
                        case HelpMenuEntry::Kind::About:
                            into->addAction(actions_.value(e.commandId));
                            break;
                    }
                }
            };
        fill(qmenu, helpMenuLayout());
        return qmenu;
    }
    // A separator stands before a row wherever one stood before it or before
    // a row left out since the last row shown.
    bool separator = false;
    std::vector<const Command*> all = menuCommands(menu);
    for (const Command* c : all) {
        separator = separator || c->separatorBefore;
        if (!document && !c->withoutDocument) {
            continue;
        }
        if (separator && !qmenu->isEmpty()) {
            qmenu->addSeparator();
        }
        separator = false;
        if (c->id == command::RecentFirst) {
            addRecentRows(qmenu);
        } else {
            qmenu->addAction(actions_.value(c->id));
        }
    }
    return qmenu;
}

void CommandActions::addRecentRows(QMenu* menu) {
    for (QAction* a : recent_) {
        menu->addAction(a);
    }
}

void CommandActions::buildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), &window_);
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    for (const Command* c : toolbarCommands()) {
        if (c->toolbarSeparatorBefore) {
            toolBar_->addSeparator();
        }
        toolBar_->addAction(actions_.value(c->id));
    }
    window_.addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CommandActions::showMenus(bool document) {
    QMenuBar* bar = window_.menuBar();
    if (showingDocument_ == document && !bar->actions().isEmpty()) {
        return;
    }
    bar->clear();
    for (QMenu* m : menus(document)) {
        bar->addMenu(m);
    }
    showingDocument_ = document;
}

void CommandActions::setRecentFiles(const RecentFileList& files) {
    const std::size_t count = files.files().size();
    for (int i = 0; i < recent_.size(); ++i) {
        QAction* a = recent_[i];
        const auto index = static_cast<std::size_t>(i);
        if (index < count) {
            a->setText(QString::fromLocal8Bit(files.menuLabel(index)));
            a->setToolTip(QString::fromLocal8Bit(files.files()[index]));
            a->setEnabled(true);
            a->setVisible(true);
        } else if (i == 0) {
            // With no recent file the row holds the list's place.
            a->setText(text8(findCommand(command::RecentFirst)->label));
            a->setEnabled(false);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

void CommandActions::setWindowList(const std::vector<WindowListRow>& rows, bool more) {
    if (!windowMenu_ || (rows == shownRows_ && more == shownMore_)) {
        return;
    }
    shownRows_ = rows;
    shownMore_ = more;
    for (QAction* a : windowRows_) {
        windowMenu_->removeAction(a);
        a->deleteLater();
    }
    windowRows_.clear();
    if (rows.empty()) {
        return;
    }
    windowRows_.append(windowMenu_->addSeparator());
    for (const WindowListRow& row : rows) {
        QAction* a = windowMenu_->addAction(QString::fromStdString(row.label));
        a->setStatusTip(text8(WindowList::kRowPrompt));
        a->setCheckable(true);
        a->setChecked(row.active);
        const std::size_t window = row.window;
        connect(a, &QAction::triggered, this, [this, window] { emit windowChosen(window); });
        windowRows_.append(a);
    }
    if (more) {
        QAction* a = windowMenu_->addAction(text8(WindowList::kMoreWindows));
        a->setStatusTip(text8(WindowList::kMorePrompt));
        connect(a, &QAction::triggered, this, &CommandActions::moreWindowsChosen);
        windowRows_.append(a);
    }
}

void CommandActions::setStatus(int id, const CommandStatus& status) {
    QAction* a = actions_.value(id);
    if (!a) {
        return;
    }
    a->setEnabled(status.enabled);
    if (a->isCheckable()) {
        a->setChecked(status.check == 1);
    }
}

}  // namespace sorvel
