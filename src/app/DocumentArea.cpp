#include "app/DocumentArea.h"

#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "editor/TransliterationState.h"
#include "palifont/PaliFontSettings.h"

namespace sorvel {

namespace {

Document& qtDocument(ManagedDocument& doc) {
    // The manager hands back only the documents this area made.
    return static_cast<Document&>(doc);
}

}  // namespace

DocumentArea::DocumentArea(Platform& platform, TransliterationState& state, RecentFileStore* store,
                           QWidget* parent)
    : QMdiArea(parent), platform_(platform), state_(state), manager_(platform, *this, store) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Ctrl+F4 closes the active document window, asking about changes where
    // its closing would close the document.
    auto* closeWindow = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), this);
    closeWindow->setContext(Qt::WindowShortcut);
    connect(closeWindow, &QShortcut::activated, this, [this] { closeActiveSubWindow(); });
}

DocumentArea::~DocumentArea() {
    // The windows go while the manager is still there to hear that their
    // documents close.
    for (QMdiSubWindow* window : subWindowList()) {
        delete window;
    }
}

QList<Document*> DocumentArea::documents() const {
    QList<Document*> out;
    for (ManagedDocument* doc : manager_.documents()) {
        out.append(&qtDocument(*doc));
    }
    return out;
}

DocumentWindow* DocumentArea::firstWindow(ManagedDocument& doc) {
    return qtDocument(doc).windows().constFirst();
}

QList<DocumentWindow*> DocumentArea::documentWindows() const {
    QList<DocumentWindow*> out;
    for (QMdiSubWindow* w : subWindowList(QMdiArea::CreationOrder)) {
        // A window that has closed stays in the list until it is deleted.
        if (auto* frame = qobject_cast<DocumentWindow*>(w); frame && !frame->isHidden()) {
            out.append(frame);
        }
    }
    return out;
}

DocumentWindow* DocumentArea::activeWindow() const {
    return qobject_cast<DocumentWindow*>(currentSubWindow());
}

EditorView* DocumentArea::activeView() const {
    DocumentWindow* frame = activeWindow();
    return frame ? frame->view() : nullptr;
}

Document* DocumentArea::activeDocument() const {
    DocumentWindow* frame = activeWindow();
    return frame ? frame->document() : nullptr;
}

bool DocumentArea::mayClose(DocumentWindow& window) {
    Document* doc = window.document();
    return !doc || manager_.mayCloseWindow(*doc);
}

void DocumentArea::arrangeMinimized() {
    int x = 0;
    for (QMdiSubWindow* w : subWindowList()) {
        if (w->isMinimized()) {
            const QSize size = w->size();
            w->move(x, viewport()->height() - size.height());
            x += size.width();
        }
    }
}

void DocumentArea::cascade() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized() && !w->isHidden()) {
            w->showNormal();
            windows.append(w);
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QSize area = viewport()->size();
    const int step = std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const auto n = static_cast<int>(windows.size());
    // Each window leaves room for the title bars of the ones below it, but
    // none gets smaller than two thirds of the area: with many windows the
    // cascade starts over at the corner.
    const QSize size(std::max(area.width() * 2 / 3, area.width() - (n - 1) * step),
                     std::max(area.height() * 2 / 3, area.height() - (n - 1) * step));
    const int rows = std::max(
        1, std::min(area.width() - size.width(), area.height() - size.height()) / step + 1);
    for (int i = 0; i < n; ++i) {
        const int offset = (i % rows) * step;
        windows[i]->setGeometry(QRect(QPoint(offset, offset), size));
        windows[i]->raise();
    }
    setActiveSubWindow(windows.last());
}

void DocumentArea::followArea() {
    for (QMdiSubWindow* w : subWindowList()) {
        auto* frame = qobject_cast<DocumentWindow*>(w);
        if (frame && frame->view() && frame->standsWherePlaced()) {
            frame->view()->placeWindow();
        }
    }
}

void DocumentArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    followArea();
}

// --- DocumentHost --------------------------------------------------------------

Document& DocumentArea::adopt(std::unique_ptr<Document> owned) {
    Document* doc = owned.release();
    doc->setParent(this);
    connect(doc, &Document::closed, this, [this](Document* gone) {
        manager_.documentClosed(*gone);
        emit commandsChanged();
    });
    connect(doc, &Document::titleChanged, this, &DocumentArea::titleChanged);
    return *doc;
}

ManagedDocument& DocumentArea::createDocument(const std::string& title) {
    return adopt(Document::makeNew(title));
}

FontDescription DocumentArea::paliFontForOpening() const {
    if (!state_.defaultPaliFormat.faceName.empty()) {
        return state_.defaultPaliFormat;
    }
    // Before the first view has read the settings file (a file named on the
    // command line opens before it), the file is read here.
    auto fresh = std::make_unique<TransliterationState>();
    return loadDefaultPaliFont(*fresh) ? fresh->defaultPaliFormat : FontDescription{};
}

ManagedDocument* DocumentArea::readDocument(const std::string& path, DocumentError& error) {
    std::unique_ptr<Document> doc = Document::open(path, paliFontForOpening(), error);
    return doc ? &adopt(std::move(doc)) : nullptr;
}

ManagedDocument& DocumentArea::restoreDocument(const RichText& text, const std::string& path,
                                               const std::string& title) {
    return adopt(Document::restore(text, path, title));
}

void DocumentArea::openWindow(ManagedDocument& managed) {
    Document& doc = qtDocument(managed);
    const bool modified = doc.isModified();
    auto* view = new EditorView(platform_, state_, doc.text());
    view->setHelpWindow(helpWindow_);
    auto* frame = new DocumentWindow(view, &doc);
    addSubWindow(frame);
    frame->show();
    view->onInitialUpdate();
    // Setting the view up is no change of the document.
    doc.text()->setModified(modified);
    view->setFocus();
    setActiveSubWindow(frame);
    connect(view, &QTextEdit::cursorPositionChanged, this, &DocumentArea::commandsChanged);
    connect(view, &QTextEdit::selectionChanged, this, &DocumentArea::commandsChanged);
    connect(view, &QTextEdit::undoAvailable, this, &DocumentArea::commandsChanged);
    connect(view, &EditorView::commandDone, this, &DocumentArea::commandsChanged);
    emit windowOpened();
}

void DocumentArea::activate(ManagedDocument& doc) {
    setActiveSubWindow(firstWindow(doc));
}

void DocumentArea::closeWindows(ManagedDocument& doc) {
    // A copy: each window leaves the document's list as it closes.
    const QList<QPointer<DocumentWindow>> windows = qtDocument(doc).windows();
    for (DocumentWindow* frame : windows) {
        if (frame) {
            frame->close();
        }
    }
}

void DocumentArea::showRecentFiles(const RecentFileList& files) {
    emit recentFilesChanged(files);
}

}  // namespace sorvel
