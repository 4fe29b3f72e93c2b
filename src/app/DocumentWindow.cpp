#include "app/DocumentWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

#include "app/Document.h"
#include "app/DocumentArea.h"
#include "app/EditorView.h"

namespace sorvel {

DocumentWindow::DocumentWindow(EditorView* view, Document* document, QWidget* parent)
    : QMdiSubWindow(parent), view_(view), document_(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    // The program's own icon in the window's corner, not the toolkit's.
    setWindowIcon(QIcon(QStringLiteral(":/icons/sorvel.svg")));
    // The window's own menu closes it on the platform's Close key, Ctrl+W
    // here; in Sorvel that key copies all text. Ctrl+F4 closes the active
    // window through the document area, which it must not share.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(ctrlW) + keys.removeAll(ctrlF4) > 0) {
                action->setShortcuts(keys);
            }
        }
    }
    if (document_) {
        document_->addWindow(this);
    }
}

DocumentWindow::~DocumentWindow() {
    if (document_) {
        document_->windowDestroyed(this);
    }
}

void DocumentWindow::place(const QRect& geometry) {
    setGeometry(geometry);
    placed_ = this->geometry();
}

bool DocumentWindow::standsWherePlaced() const {
    return !placed_.isNull() && !isMinimized() && !isMaximized() && geometry() == placed_;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    auto* area = qobject_cast<DocumentArea*>(mdiArea());
    if (area && !area->mayClose(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        if (document_) {
            document_->detachWindow(this);
        }
        emit closing(this);
    }
}

}  // namespace sorvel
