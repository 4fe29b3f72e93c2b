#include "app/CChildFrame.h"

#include <QAction>
#include <QMenu>

#include "view/CSorvelView.h"

namespace sorvel {

CChildFrame::CChildFrame(CSorvelView* view, QWidget* parent) : QMdiSubWindow(parent), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    // The window's own menu closes it on the platform's Close key, Ctrl+W
    // here; in Sorvel that key copies all text. Ctrl+F4 still closes.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(ctrlW) > 0) {
                action->setShortcuts(keys);
            }
        }
    }
}

}  // namespace sorvel
