#include "app/CMainFrame.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenuBar>

#include "app/CChildFrame.h"
#include "view/CSorvelView.h"

namespace sorvel {

CMainFrame::CMainFrame(Platform& platform, TransliterationState& state, QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(state), area_(new QMdiArea(this)) {
    setCentralWidget(area_);
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* newAction = file->addAction(QStringLiteral("&New"), this, [this] { newDocument(); });
    newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { updateTitle(); });
    updateTitle();
}

CMainFrame::~CMainFrame() {
    // The document area outlives this part of the window while it closes its
    // windows; it must not tell a frame that is no longer there.
    disconnect(area_, nullptr, this, nullptr);
}

CChildFrame* CMainFrame::newDocument() {
    auto* view = new CSorvelView(platform_, state_);
    auto* frame = new CChildFrame(view);
    frame->setWindowTitle(QStringLiteral("RuvoVIR%1").arg(++documentCount_));
    area_->addSubWindow(frame);
    frame->show();
    view->OnInitialUpdate();
    view->setFocus();
    updateTitle();
    return frame;
}

CSorvelView* CMainFrame::activeView() const {
    auto* frame = qobject_cast<CChildFrame*>(area_->activeSubWindow());
    return frame ? frame->view() : nullptr;
}

void CMainFrame::updateTitle() {
    const QMdiSubWindow* active = area_->activeSubWindow();
    setWindowTitle(active ? QStringLiteral("Sorvel - %1").arg(active->windowTitle())
                          : QStringLiteral("Sorvel"));
}

}  // namespace sorvel
