#include "app/DocumentWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QProxyStyle>

#include "app/Document.h"
#include "app/DocumentArea.h"
#include "app/EditorView.h"

namespace sorvel {

namespace {

// The program's style, except that a maximised document window keeps its
// own title bar. Otherwise Qt moves the window's buttons into the menu bar
// and writes its title into the main window's ("Sorvel - a.rtf - [a.rtf]"),
// where the main window names the active document already.
class OwnTitleBarStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Workspace_FillSpaceOnMaximize) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

DocumentWindow::DocumentWindow(EditorView* view, Document* document, QWidget* parent)
    : QMdiSubWindow(parent), view_(view), document_(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* style = new OwnTitleBarStyle;
    style->setParent(this);
    setStyle(style);
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
