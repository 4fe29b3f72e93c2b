#include "app/LockKeyIndicators.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStatusBar>

namespace sorvel {

namespace {

QLabel* pane(QStatusBar& bar, const QString& text) {
    auto* label = new QLabel(&bar);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setAccessibleName(text);
    bar.addPermanentWidget(label);
    return label;
}

}  // namespace

LockKeyIndicators::LockKeyIndicators(QStatusBar& bar)
    : QObject(&bar),
      caps_(pane(bar, QStringLiteral("CAP"))),
      num_(pane(bar, QStringLiteral("NUM"))),
      scroll_(pane(bar, QStringLiteral("SCRL"))) {
#if QT_CONFIG(xcb)
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        display_ = x11->display();
    }
#endif
    qApp->installEventFilter(this);
    refresh();
}

void LockKeyIndicators::refresh() {
    if (const std::optional<LockKeyStates> read = readX11LockKeys(display_)) {
        states_ = *read;
    }
    show();
}

void LockKeyIndicators::show() {
    caps_->setText(states_.caps ? QStringLiteral("CAP") : QString());
    num_->setText(states_.num ? QStringLiteral("NUM") : QString());
    scroll_->setText(states_.scroll ? QStringLiteral("SCRL") : QString());
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        // Each key event passes the filter once per widget on its way up;
        // only the first (the focus widget's) counts.
        if (watched != QApplication::focusWidget() && QApplication::focusWidget()) {
            return false;
        }
        if (display_) {
            refresh();
        } else if (type == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_CapsLock:
                    states_.caps = !states_.caps;
                    break;
                case Qt::Key_NumLock:
                    states_.num = !states_.num;
                    break;
                case Qt::Key_ScrollLock:
                    states_.scroll = !states_.scroll;
                    break;
                default:
                    break;
            }
            show();
        }
    } else if (type == QEvent::ApplicationActivate && display_) {
        refresh();
    }
    return false;
}

}  // namespace sorvel
