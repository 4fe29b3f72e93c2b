#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "app/CommandActions.h"
#include "app/Document.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/LockKeyIndicators.h"
#include "app/ModifiedMark.h"
#include "app/RecoveryCopies.h"
#include "app/WindowListDialog.h"
#include "qt/QtPlatform.h"
#include "shell/CommandTable.h"
#include "shell/OutOfMemory.h"
#include "shell/WindowList.h"

// The toolbar's images live in the program's resources, compiled into a
// static library: they are registered before the first window uses them.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace sorvel {

MainWindow::MainWindow(Platform& platform, TransliterationState& state, QSettings* settings,
                       QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      settings_(settings),
      area_(new DocumentArea(platform, state, &settings_, this)),
      commands_((registerIcons(), new CommandActions(*this))),
      runner_(platform, *this, *area_, *commands_, settings_),
      ready_(new QLabel(QString::fromLatin1(kIdlePrompt.data(), kIdlePrompt.size()))) {
    ModifiedMark::install();
    setWindowIcon(QIcon(QStringLiteral(":/icons/sorvel.svg")));
    setCentralWidget(area_);
    statusBar()->setObjectName(QStringLiteral("statusbar"));
    // The message pane: the command being pointed at, else "Ready".
    statusBar()->addWidget(ready_, 1);
    lockKeys_ = new LockKeyIndicators(*statusBar());
    // The notes the commands leave for the user go to this status bar.
    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) {
        qt->setStatusBar(statusBar());
    }
    setAcceptDrops(true);

    connect(commands_, &CommandActions::triggered, this, [this](int id) { runCommand(id); });
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { activeChanged(); });
    connect(area_, &DocumentArea::windowOpened, this, [this] { activeChanged(); });
    connect(area_, &DocumentArea::titleChanged, this, [this] {
        updateTitle();
        scheduleUpdate();
    });
    connect(area_, &DocumentArea::commandsChanged, this, [this] { scheduleUpdate(); });
    connect(area_, &DocumentArea::recentFilesChanged, commands_, &CommandActions::setRecentFiles);
    connect(commands_, &CommandActions::windowChosen, this, &MainWindow::chooseWindow);
    connect(commands_, &CommandActions::moreWindowsChosen, this,
            &MainWindow::chooseAmongAllWindows);
    // Paste follows what the clipboard holds.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { scheduleUpdate(); });
    updateTimer_.setSingleShot(true);
    updateTimer_.setInterval(0);
    connect(&updateTimer_, &QTimer::timeout, this, [this] { updateCommands(); });
    for (QMenu* menu : commands_->menus(true) + commands_->menus(false)) {
        connect(menu, &QMenu::aboutToShow, this, [this] { updateCommands(); });
    }
    commands_->setRecentFiles(recentFiles());
    activeChanged();
}

MainWindow::~MainWindow() {
    // The document area outlives this part of the window while its windows
    // close; it must not tell a main window that is no longer there, nor
    // recovery copies that are gone. Unless the window closed normally, the
    // copies stay for the next start.
    recovery_.reset();
    disconnect(area_, nullptr, this, nullptr);
}

DocumentWindow* MainWindow::newDocument() {
    return DocumentArea::firstWindow(area_->manager().newDocument());
}

DocumentWindow* MainWindow::openDocument(const std::string& path) {
    ManagedDocument* doc = area_->manager().open(path);
    return doc ? DocumentArea::firstWindow(*doc) : nullptr;
}

int MainWindow::startRecovery(const std::string& root) {
    recovery_ =
        std::make_unique<RecoveryCopies>(area_->manager(), root, settings_.autoRecoverySeconds());
    return recovery_->recoverAbandoned(platform_);
}

bool MainWindow::runCommand(int id) {
    bool ran = false;
    runWithinMemory(platform_, [this, id, &ran] { ran = runner_.run(id); });
    scheduleUpdate();
    return ran;
}

void MainWindow::updateCommands() {
    runner_.updateActions();
    updateWindowList();
}

QStringList MainWindow::windowTitles(std::optional<int>* active) const {
    QStringList titles;
    const DocumentWindow* current = activeWindow();
    for (DocumentWindow* frame : area_->documentWindows()) {
        if (frame == current && active) {
            *active = static_cast<int>(titles.size());
        }
        titles.append(frame->document() ? frame->document()->windowTitleOf(frame)
                                        : frame->windowTitle());
    }
    return titles;
}

void MainWindow::updateWindowList() {
    std::optional<int> active;
    const QStringList titles = windowTitles(&active);
    std::vector<std::string> names;
    for (const QString& title : titles) {
        names.push_back(title.toStdString());
    }
    const std::optional<std::size_t> activeIndex =
        active ? std::optional<std::size_t>(static_cast<std::size_t>(*active)) : std::nullopt;
    commands_->setWindowList(WindowList::rows(names, activeIndex),
                             WindowList::hasMore(names.size()));
}

void MainWindow::chooseWindow(std::size_t index) {
    const QList<DocumentWindow*> windows = area_->documentWindows();
    if (index >= static_cast<std::size_t>(windows.size())) {
        return;
    }
    DocumentWindow* frame = windows[static_cast<qsizetype>(index)];
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    area_->setActiveSubWindow(frame);
    if (EditorView* view = frame->view()) {
        view->setFocus();
    }
}

void MainWindow::chooseAmongAllWindows() {
    std::optional<int> active;
    WindowListDialog dialog(windowTitles(&active), active, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (const std::optional<int> chosen = dialog.chosen()) {
            chooseWindow(static_cast<std::size_t>(*chosen));
        }
    }
}

void MainWindow::scheduleUpdate() {
    updateTimer_.start();
}

void MainWindow::activeChanged() {
    commands_->showMenus(activeWindow() != nullptr);
    updateTitle();
    updateWindowList();
    scheduleUpdate();
}

void MainWindow::updateTitle() {
    const Document* doc = activeDocument();
    setWindowTitle(
        doc ? ModifiedMark::placeAfter(
                  QStringLiteral("Sorvel - %1").arg(QString::fromStdString(doc->title())))
            : QStringLiteral("Sorvel"));
    setWindowModified(doc && doc->isModified());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!area_->manager().closeAll()) {
        event->ignore();
        return;
    }
    settings_.save();
    if (recovery_) {
        recovery_->endNormally();
    }
    runner_.editDialogs().closeFindDialog();
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    bool any = false;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            runWithinMemory(platform_, [this, &url] {
                area_->manager().open(QFile::encodeName(url.toLocalFile()).toStdString());
            });
            any = true;
        }
    }
    if (any) {
        event->acceptProposedAction();
        activateWindow();
    }
}

}  // namespace sorvel
