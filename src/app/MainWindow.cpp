#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "app/AboutDialog.h"
#include "app/CommandActions.h"
#include "app/Document.h"
#include "app/DocumentPrinter.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/FindReplaceDialog.h"
#include "app/LockKeyIndicators.h"
#include "editor/Platform.h"
#include "qt/QtClipboardData.h"
#include "qt/QtText.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "unicode/UnicodeExport.h"

// The toolbar's images live in the program's resources, compiled into a
// static library: they are registered before the first window uses them.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace sorvel {

namespace {

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kSettingsSection = QStringLiteral("Settings");
const QString kPreviewPages = QStringLiteral("PreviewPages");
const QString kUnicodeFont = QStringLiteral("UnicodeFont");

std::vector<FileFilter> documentFilters() {
    return {{"RTF (Rich Text Format) Files", "*.rtf"}, {"All Files", "*.*"}};
}

// A name saved without an extension gets ".rtf".
std::string withDefaultExtension(const std::string& path) {
    if (std::filesystem::path(path).filename().string().find('.') == std::string::npos) {
        return path + ".rtf";
    }
    return path;
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace

MainWindow::MainWindow(Platform& platform, TransliterationState& state, QSettings* settings,
                       QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      state_(state),
      settings_(settings),
      area_(new QMdiArea(this)),
      commands_((registerIcons(), new CommandActions(*this))),
      ready_(new QLabel(QString::fromLatin1(kIdlePrompt.data(), kIdlePrompt.size()))),
      lockKeys_(nullptr),
      recent_(kRecentFileCount),
      unicodeFace_(UnicodeExportOptions::kDefaultUnicodeFace) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/sorvel.svg")));
    setCentralWidget(area_);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    statusBar()->setObjectName(QStringLiteral("statusbar"));
    // The message pane: the command being pointed at, else "Ready".
    statusBar()->addWidget(ready_, 1);
    lockKeys_ = new LockKeyIndicators(*statusBar());
    setAcceptDrops(true);

    connect(commands_, &CommandActions::triggered, this, [this](int id) { runCommand(id); });
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { activeChanged(); });
    updateTimer_.setSingleShot(true);
    updateTimer_.setInterval(0);
    connect(&updateTimer_, &QTimer::timeout, this, [this] { updateCommands(); });
    for (QMenu* menu : commands_->menus(true) + commands_->menus(false)) {
        connect(menu, &QMenu::aboutToShow, this, [this] { updateCommands(); });
    }
    loadSettings();
    activeChanged();
}

MainWindow::~MainWindow() {
    // The document area and the documents outlive this part of the window
    // while they close; they must not tell a frame that is no longer there.
    disconnect(area_, nullptr, this, nullptr);
    for (const QPointer<Document>& doc : documents_) {
        if (doc) {
            disconnect(doc, nullptr, this, nullptr);
        }
    }
    if (findDialog_) {
        disconnect(findDialog_, nullptr, this, nullptr);
    }
}

// --- documents -------------------------------------------------------------

Document* MainWindow::adopt(std::unique_ptr<Document> owned) {
    Document* doc = owned.release();
    doc->setParent(this);
    documents_.append(doc);
    connect(doc, &Document::closed, this, [this](Document* gone) {
        documents_.removeAll(gone);
        scheduleUpdate();
    });
    connect(doc, &Document::titleChanged, this, [this] { updateTitle(); });
    return doc;
}

DocumentWindow* MainWindow::createWindow(Document* doc) {
    const bool modified = doc->isModified();
    auto* view = new EditorView(platform_, state_, doc->text());
    view->setHelpWindow(helpWindow_);
    auto* frame = new DocumentWindow(view, doc);
    area_->addSubWindow(frame);
    frame->show();
    view->onInitialUpdate();
    // Setting the view up is no change of the document.
    doc->text()->setModified(modified);
    view->setFocus();
    area_->setActiveSubWindow(frame);
    connect(view, &QTextEdit::cursorPositionChanged, this, [this] { scheduleUpdate(); });
    connect(view, &QTextEdit::selectionChanged, this, [this] { scheduleUpdate(); });
    connect(view, &QTextEdit::undoAvailable, this, [this] { scheduleUpdate(); });
    connect(view, &EditorView::commandDone, this, [this] { scheduleUpdate(); });
    activeChanged();
    return frame;
}

DocumentWindow* MainWindow::newDocument() {
    return createWindow(adopt(Document::makeNew(++documentCount_)));
}

DocumentWindow* MainWindow::openDocument(const std::string& path) {
    const std::string full = absolutePath(path);
    for (Document* doc : documents()) {
        if (doc->path() == full && !doc->windows().isEmpty()) {
            DocumentWindow* frame = doc->windows().constFirst();
            area_->setActiveSubWindow(frame);
            return frame;
        }
    }
    DocumentError error;
    std::unique_ptr<Document> doc = Document::open(path, error);
    if (!doc) {
        platform_.messageBox(error.message());
        return nullptr;
    }
    addRecentFile(doc->path());
    return createWindow(adopt(std::move(doc)));
}

bool MainWindow::saveDocument(Document& doc, bool askName) {
    std::string path = doc.path();
    if (askName || path.empty()) {
        FileDialogRequest request;
        request.save = true;
        request.filters = documentFilters();
        request.defaultExtension = "rtf";
        request.initialName = path.empty() ? doc.title().toStdString() : path;
        const std::optional<std::string> chosen = platform_.chooseFile(request);
        if (!chosen) {
            return false;
        }
        path = withDefaultExtension(*chosen);
    }
    const DocumentError error = doc.save(path);
    if (!error.ok()) {
        platform_.messageBox(error.message());
        return false;
    }
    addRecentFile(doc.path());
    scheduleUpdate();
    return true;
}

bool MainWindow::saveModified(Document& doc) {
    if (!doc.isModified()) {
        return true;
    }
    const std::string question = "Save changes to " + doc.title().toStdString() + "?";
    switch (platform_.askYesNoCancel(question)) {
        case Answer::Yes:
            return saveDocument(doc, false);
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool MainWindow::canCloseWindow(DocumentWindow* frame) {
    Document* doc = frame->document();
    if (closingAll_ || !doc) {
        return true;
    }
    int open = 0;
    for (DocumentWindow* f : doc->windows()) {
        open += f ? 1 : 0;
    }
    return open > 1 || saveModified(*doc);
}

bool MainWindow::closeAllDocuments() {
    for (Document* doc : documents()) {
        if (!saveModified(*doc)) {
            return false;
        }
    }
    closingAll_ = true;
    area_->closeAllSubWindows();
    closingAll_ = false;
    return true;
}

QList<Document*> MainWindow::documents() const {
    QList<Document*> out;
    for (const QPointer<Document>& doc : documents_) {
        if (doc && !doc->windows().isEmpty()) {
            out.append(doc);
        }
    }
    return out;
}

DocumentWindow* MainWindow::activeWindow() const {
    // The current window stays the active one while a dialog of the program
    // (Find, say) has the focus.
    return qobject_cast<DocumentWindow*>(area_->currentSubWindow());
}

EditorView* MainWindow::activeView() const {
    DocumentWindow* frame = activeWindow();
    return frame ? frame->view() : nullptr;
}

Document* MainWindow::activeDocument() const {
    DocumentWindow* frame = activeWindow();
    return frame ? frame->document() : nullptr;
}

// --- commands --------------------------------------------------------------

bool MainWindow::runCommand(int id) {
    if (id >= command::RecentFirst && id <= command::RecentLast) {
        openRecent(id - command::RecentFirst);
        return true;
    }
    const Command* c = findCommand(id);
    if (!c || !c->unavailable.empty() || (!c->withoutDocument && !activeView())) {
        return false;
    }
    bool ran = false;
    if (c->route == Route::Shell) {
        if (c->shell) {
            (static_cast<ShellCommands*>(this)->*(c->shell))();
            ran = true;
        }
    } else if (EditorView* view = activeView()) {
        ran = view->runCommand(id);
    }
    scheduleUpdate();
    return ran;
}

void MainWindow::scheduleUpdate() {
    updateTimer_.start();
}

void MainWindow::updateCommands() {
    EditorView* view = activeView();
    for (const Command& c : commandTable()) {
        CommandStatus status;
        if (!c.unavailable.empty()) {
            status.enabled = false;
        } else if (!c.withoutDocument && !view) {
            status.enabled = false;
        } else if (c.route == Route::Shell) {
            if (c.shellUpdate) {
                (static_cast<ShellCommands*>(this)->*(c.shellUpdate))(status);
            }
        } else if (view) {
            status = view->commandStatus(c.id).value_or(status);
        }
        if (c.id != command::RecentFirst) {
            commands_->setStatus(c.id, status);
        }
    }
}

void MainWindow::activeChanged() {
    commands_->showMenus(activeWindow() != nullptr);
    updateTitle();
    scheduleUpdate();
}

void MainWindow::updateTitle() {
    const Document* doc = activeDocument();
    setWindowTitle(doc ? QStringLiteral("Sorvel - %1").arg(doc->title())
                       : QStringLiteral("Sorvel"));
}

// --- File ------------------------------------------------------------------

void MainWindow::fileNew() {
    newDocument();
}

void MainWindow::fileOpen() {
    FileDialogRequest request;
    request.filters = documentFilters();
    request.defaultExtension = "rtf";
    if (const std::optional<std::string> path = platform_.chooseFile(request)) {
        openDocument(*path);
    }
}

void MainWindow::fileClose() {
    Document* doc = activeDocument();
    if (!doc || !saveModified(*doc)) {
        return;
    }
    closingAll_ = true;
    for (DocumentWindow* frame : doc->windows()) {
        if (frame) {
            frame->close();
        }
    }
    closingAll_ = false;
}

void MainWindow::fileSave() {
    if (Document* doc = activeDocument()) {
        saveDocument(*doc, false);
    }
}

void MainWindow::fileSaveAs() {
    if (Document* doc = activeDocument()) {
        saveDocument(*doc, true);
    }
}

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        DocumentPrinter::setUp(*printer_);
    }
    return *printer_;
}

void MainWindow::filePrint() {
    Document* doc = activeDocument();
    if (!doc) {
        return;
    }
    QPrintDialog dialog(&printer(), this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted) {
        DocumentPrinter::print(*doc->text(), printer());
    }
}

void MainWindow::filePrintPreview() {
    if (Document* doc = activeDocument()) {
        previewPages_ = DocumentPrinter::preview(*doc->text(), printer(), previewPages_, this);
        saveSettings();
    }
}

void MainWindow::filePrintSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

void MainWindow::appExit() {
    close();
}

// --- recent files and settings ---------------------------------------------

void MainWindow::addRecentFile(const std::string& path) {
    recent_.add(path);
    commands_->setRecentFiles(recent_);
    saveSettings();
}

void MainWindow::openRecent(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (i >= recent_.files().size()) {
        return;
    }
    const std::string path = recent_.files()[i];
    if (!openDocument(path)) {
        // A file that cannot be opened leaves the list.
        recent_.remove(i);
        commands_->setRecentFiles(recent_);
        saveSettings();
    }
}

void MainWindow::loadSettings() {
    if (!settings_) {
        return;
    }
    std::vector<std::string> files;
    settings_->beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = settings_->value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) {
            files.push_back(QFile::encodeName(file).toStdString());
        }
    }
    settings_->endGroup();
    recent_.assign(files);
    commands_->setRecentFiles(recent_);
    const int pages = settings_->value(kSettingsSection + u'/' + kPreviewPages, 1).toInt();
    previewPages_ = pages == 2 ? 2 : 1;
    const QString face = settings_->value(kSettingsSection + u'/' + kUnicodeFont).toString();
    if (!face.trimmed().isEmpty()) {
        unicodeFace_ = FaceName(QtText::faceFromQt(face)).str();
    }
}

void MainWindow::saveSettings() const {
    if (!settings_) {
        return;
    }
    settings_->beginGroup(kRecentSection);
    settings_->remove(QString());
    const std::vector<std::string>& files = recent_.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        settings_->setValue(QStringLiteral("File%1").arg(i + 1),
                            QFile::decodeName(QByteArray::fromStdString(files[i])));
    }
    settings_->endGroup();
    settings_->setValue(kSettingsSection + u'/' + kPreviewPages, previewPages_);
    settings_->setValue(kSettingsSection + u'/' + kUnicodeFont, QtText::faceToQt(unicodeFace_));
    settings_->sync();
}

// --- View and Window ---------------------------------------------------------

void MainWindow::viewToolbar() {
    commands_->toolBar()->setVisible(!commands_->toolBar()->isVisible());
}

void MainWindow::viewStatusBar() {
    statusBar()->setVisible(!statusBar()->isVisible());
}

void MainWindow::updateViewToolbar(CommandStatus& status) {
    status.check = commands_->toolBar()->isVisibleTo(this) ? 1 : 0;
}

void MainWindow::updateViewStatusBar(CommandStatus& status) {
    status.check = statusBar()->isVisibleTo(this) ? 1 : 0;
}

void MainWindow::windowNew() {
    if (Document* doc = activeDocument()) {
        createWindow(doc);
    }
}

void MainWindow::windowCascade() {
    area_->cascadeSubWindows();
}

void MainWindow::windowTile() {
    area_->tileSubWindows();
}

void MainWindow::windowArrange() {
    // Minimised windows line up along the bottom of the document area.
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    int x = 0;
    for (QMdiSubWindow* w : windows) {
        if (w->isMinimized()) {
            const QSize size = w->size();
            w->move(x, area_->viewport()->height() - size.height());
            x += size.width();
        }
    }
}

void MainWindow::appAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

// --- the window --------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    saveSettings();
    if (findDialog_) {
        findDialog_->close();
    }
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
            openDocument(QFile::encodeName(url.toLocalFile()).toStdString());
            any = true;
        }
    }
    if (any) {
        event->acceptProposedAction();
        activateWindow();
    }
}

}  // namespace sorvel
