#include "app/MainWindow.h"

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
#include "app/LockKeyIndicators.h"
#include "app/RecoveryCopies.h"
#include "shell/CommandTable.h"
#include "shell/OutOfMemory.h"

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
    setWindowIcon(QIcon(QStringLiteral(":/icons/sorvel.svg")));
    setCentralWidget(area_);
    statusBar()->setObjectName(QStringLiteral("statusbar"));
    // The message pane: the command being pointed at, else "Ready".
    statusBar()->addWidget(ready_, 1);
    lockKeys_ = new LockKeyIndicators(*statusBar());
    setAcceptDrops(true);

    connect(commands_, &CommandActions::triggered, this, [this](int id) { runCommand(id); });
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { activeChanged(); });
    connect(area_, &DocumentArea::windowOpened, this, [this] { activeChanged(); });
    connect(area_, &DocumentArea::titleChanged, this, [this] { updateTitle(); });
    connect(area_, &DocumentArea::commandsChanged, this, [this] { scheduleUpdate(); });
    connect(area_, &DocumentArea::recentFilesChanged, commands_, &CommandActions::setRecentFiles);
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
}

void MainWindow::scheduleUpdate() {
    updateTimer_.start();
}

void MainWindow::activeChanged() {
    commands_->showMenus(activeWindow() != nullptr);
    updateTitle();
    scheduleUpdate();
}

void MainWindow::updateTitle() {
    const Document* doc = activeDocument();
    setWindowTitle(doc ? QStringLiteral("Sorvel - %1").arg(QString::fromStdString(doc->title()))
                       : QStringLiteral("Sorvel"));
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
