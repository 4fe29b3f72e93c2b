#pragma once

#include <QKeyCombination>
#include <QRect>
#include <optional>
#include <vector>

#include "editor/BalancedPlatform.h"
#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"
#include "help/HelpWindow.h"
#include "qt/EightBitTextEdit.h"
#include "qt/QtSurface.h"

namespace sorvel {

// The editor view of a document window: the text edit that holds the
// document's text, and the target of every command of the program's own.
// Each view has its own caret and insertion format, also when several views
// show one document.
class EditorView : public EightBitTextEdit {
    Q_OBJECT

  public:
    static constexpr int32_t kPrintMargin = 1440;  // twips on each side
    static constexpr uint32_t kBackground = 0x00E6F2FB;

    // `document` is shared with other views of it; none makes a new one.
    EditorView(Platform& platform, TransliterationState& state, QTextDocument* document = nullptr,
               QWidget* parent = nullptr);

    QtSurface& surface() { return surface_; }
    ViewContext& context() { return context_; }

    // Sets the view up the first time it is shown: margins, the document
    // window's place, the background, the state's defaults and the mode's
    // format at the caret.
    void onInitialUpdate();

    // Runs a command that the view handles (its own commands and the help
    // topics); false when it handles no such command.
    bool runCommand(int id);
    // The state of a command that the view handles, or none.
    std::optional<CommandStatus> commandStatus(int id);

    // Where the help topics are shown; by default the help dialog over the
    // view's window.
    void setHelpWindow(HelpWindow* window) { helpWindow_ = window; }
    // The text of the help topic last shown.
    const std::string& helpText() const { return helpText_; }

    int32_t printMargin() const { return printMargin_; }
    int32_t bulletIndent() const { return bulletIndent_; }

    // Puts the document window that holds the view where a new one goes,
    // inside the document area once it has its size.
    void placeWindow();

    // Where a document window goes, from the full-screen client size, the
    // height of a menu bar and of a dialog frame, fitted into the workspace
    // (the document area) when it is known.
    static QRect placement(int fullWidth, int fullHeight, int menuHeight, int frameHeight,
                           QSize workspace = QSize());
    // `window` moved and shrunk as little as it takes to lie inside a
    // workspace of `workspace`.
    static QRect fitted(QRect window, QSize workspace);

  signals:
    // A command of the view has run (its state may have changed).
    void commandDone(int id);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    // The command the key of `event` runs, or 0.
    int commandOfKey(const QKeyEvent* event) const;
    // The control's own processing of the key release being handled.
    void passRelease();
    // Makes the desktop's pointer shapes apply to this view.
    void becomeCursorTarget();

    Platform& platform_;
    BalancedPlatform balanced_;
    QtSurface surface_;
    ViewContext context_;
    std::vector<std::pair<QKeyCombination, int>> keys_;
    QKeyEvent* pendingRelease_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    std::string helpText_;
    int32_t printMargin_ = 0;
    int32_t bulletIndent_ = 0;
};

}  // namespace sorvel
