#include "app/EditorView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/DocumentWindow.h"
#include "editor/FormattingCommands.h"
#include "help/ShowHelpTopic.h"
#include "palifont/DefaultPaliFont.h"
#include "palifont/PaliFontSettings.h"
#include "qt/QtHelpWindow.h"
#include "qt/QtPlatform.h"
#include "shell/CommandTable.h"
#include "shell/OutOfMemory.h"
#include "translit/KeyRelease.h"

namespace sorvel {

EditorView::EditorView(Platform& platform, TransliterationState& state, QTextDocument* document,
                       QWidget* parent)
    : EightBitTextEdit(state, parent),
      platform_(platform),
      balanced_(platform),
      surface_(*this, [this] { passRelease(); }),
      context_{surface_, balanced_, state} {
    if (document) {
        setDocument(document);
    }
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAcceptRichText(true);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    // The pointer shows the mode, never the text I-beam; until the mouse
    // first moves over the view, the plain arrow.
    viewport()->setCursor(Qt::ArrowCursor);
    // The document window's own keys.
    for (const Command& c : commandTable()) {
        if (c.documentKeys) {
            const QKeySequence seq(QString::fromLatin1(c.keys.data(), c.keys.size()),
                                   QKeySequence::PortableText);
            keys_.emplace_back(seq[0], c.id);
        }
    }
}

QRect EditorView::placement(int fullWidth, int fullHeight, int menuHeight, int frameHeight,
                            QSize workspace) {
    const int width = fullWidth * 8 / 10;
    const int left = fullWidth / 2 - width / 2;
    const int top = 6;
    const int height = fullHeight + 6 - 4 * menuHeight - frameHeight;
    // The formula reckons with the whole screen; the document area is less
    // (title, menu, toolbar and status bar take their share), and a window
    // taller than it would hide its last lines and its lower edge.
    return fitted(QRect(left, top, width, height), workspace);
}

QRect EditorView::fitted(QRect window, QSize workspace) {
    if (!workspace.isValid() || workspace.isEmpty()) {
        return window;
    }
    window.setWidth(std::min(window.width(), workspace.width()));
    window.setHeight(std::min(window.height(), workspace.height()));
    window.moveLeft(std::clamp(window.left(), 0, workspace.width() - window.width()));
    window.moveTop(std::clamp(window.top(), 0, workspace.height() - window.height()));
    return window;
}

void EditorView::placeWindow() {
    auto* frame = qobject_cast<DocumentWindow*>(parentWidget());
    if (!frame) {
        return;
    }
    const QRect screen =
        (frame->screen() ? frame->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    int menuHeight = 0;
    if (auto* main = qobject_cast<QMainWindow*>(frame->window()); main && main->menuBar()) {
        menuHeight = main->menuBar()->sizeHint().height();
    }
    const int frameHeight = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    // Before the main window is shown the area has no size of its own yet;
    // the window is placed again when it gets one (DocumentArea::followArea).
    QSize workspace;
    if (QMdiArea* area = frame->mdiArea(); area && area->isVisible()) {
        workspace = area->viewport()->size();
    }
    frame->place(placement(screen.width(), screen.height(), menuHeight, frameHeight, workspace));
    frame->update();
}

void EditorView::onInitialUpdate() {
    TransliterationState& state = context_.state;
    printMargin_ = kPrintMargin;
    bulletIndent_ = FormattingCommands::kBulletIndent;
    placeWindow();
    surface_.setBackgroundColor(kBackground);
    if (state.userTableFont.empty()) {
        state.userTable[0] = endPair();
    }
    if (loadDefaultPaliFont(state)) {
        state.paliEntryOn = true;
    }
    if (state.plainFormat.faceName.empty()) {
        FontDescription& plain = state.plainFormat;
        plain.mask = 0xE000000F;
        plain.effects = 0;
        plain.height = 220;
        plain.color = 0;
        plain.faceName = "Times New Roman";
    }
    if (state.userTableOn) {
        surface_.setCharFormat(state.userTableFormat);
    } else if (state.paliEntryOn) {
        surface_.setCharFormat(state.defaultPaliFormat);
    } else {
        surface_.setCharFormat(state.plainFormat);
    }
}

bool EditorView::runCommand(int id) {
    const Command* c = findCommand(id);
    if (!c) {
        return false;
    }
    if (c->route == Route::HelpTopic) {
        QtHelpWindow dialog(window());
        const bool shown = runHelpTopicCommand(id, helpText_, helpWindow_ ? *helpWindow_ : dialog);
        emit commandDone(id);
        return shown;
    }
    if (c->route != Route::View || !c->run) {
        return false;
    }
    // Whatever way the command ends, the pointer it hid is shown again.
    struct Rebalance {
        BalancedPlatform& platform;
        ~Rebalance() { platform.rebalance(); }
    } rebalance{balanced_};
    runWithinMemory(platform_, [this, c] { c->run(context_); });
    emit commandDone(id);
    return true;
}

std::optional<CommandStatus> EditorView::commandStatus(int id) {
    const Command* c = findCommand(id);
    if (!c || (c->route != Route::View && c->route != Route::HelpTopic)) {
        return std::nullopt;
    }
    CommandStatus status;
    if (c->update) {
        c->update(context_, status);
    }
    return status;
}

int EditorView::commandOfKey(const QKeyEvent* event) const {
    const QKeyCombination key(event->modifiers() & ~Qt::KeypadModifier,
                              static_cast<Qt::Key>(event->key()));
    for (const auto& [combination, id] : keys_) {
        if (combination == key) {
            return id;
        }
    }
    return 0;
}

bool EditorView::event(QEvent* event) {
    // The view's keys win over every binding of the windows around it (a
    // document window closes itself on Ctrl+W, say).
    if (event->type() == QEvent::ShortcutOverride &&
        commandOfKey(static_cast<QKeyEvent*>(event)) != 0) {
        event->accept();
        return true;
    }
    return EightBitTextEdit::event(event);
}

void EditorView::keyPressEvent(QKeyEvent* event) {
    if (const int id = commandOfKey(event)) {
        runCommand(id);
        event->accept();
        return;
    }
    EightBitTextEdit::keyPressEvent(event);
}

void EditorView::passRelease() {
    if (QKeyEvent* event = pendingRelease_) {
        pendingRelease_ = nullptr;
        EightBitTextEdit::keyReleaseEvent(event);
    }
}

void EditorView::keyReleaseEvent(QKeyEvent* event) {
    // A key held down sends releases that are not releases; it is looked at
    // once, when it really comes up.
    if (event->isAutoRepeat()) {
        EightBitTextEdit::keyReleaseEvent(event);
        return;
    }
    // Whatever way the handling ends, the pointer it hid is shown again.
    struct Rebalance {
        BalancedPlatform& platform;
        ~Rebalance() { platform.rebalance(); }
    } rebalance{balanced_};
    pendingRelease_ = event;
    runWithinMemory(platform_, [this] { handleKeyRelease(context_); });
    passRelease();  // in case the handling did not hand it on
}

void EditorView::mouseMoveEvent(QMouseEvent* event) {
    EightBitTextEdit::mouseMoveEvent(event);
    becomeCursorTarget();
    // The pointer shows the mode, and the mode's font goes back to the caret.
    onSetCursor(context_);
}

void EditorView::focusInEvent(QFocusEvent* event) {
    EightBitTextEdit::focusInEvent(event);
    becomeCursorTarget();
}

}  // namespace sorvel

namespace sorvel {

void EditorView::becomeCursorTarget() {
    if (auto* qt = dynamic_cast<QtPlatform*>(&platform_)) {
        qt->setCursorWidget(this);
    }
}

}  // namespace sorvel
