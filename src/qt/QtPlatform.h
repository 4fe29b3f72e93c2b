#pragma once

#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include "editor/Platform.h"

namespace sorvel {

// The desktop's dialogs and pointer, with Qt: message boxes titled "Sorvel"
// with the warning icon, the font and file dialogs, and the mouse pointer.
class QtPlatform : public Platform {
  public:
    void messageBox(std::string_view text) override;
    void messageBoxUtf8(std::string_view utf8) override;
    bool askYesNo(std::string_view text) override;
    bool askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) override;
    std::optional<FontChoice> chooseFont(const FontDialogRequest& request) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> chooseFileAndType(const FileDialogRequest& request) override;
    Answer askYesNoCancel(std::string_view text) override;
    // A dialog titled "Paste Special" listing the formats.
    std::optional<std::size_t> choosePasteFormat(const std::vector<std::string>& formats) override;
    // Shows the note in the status bar given by setStatusBar, for a while.
    void showStatus(std::string_view utf8) override;
    // Sets the pointer of the widget the pointer is over (see setCursorWidget).
    void setCursorShape(CursorShape shape) override;
    // A display count: while it is below zero the pointer is hidden.
    int showCursor(bool show) override;

    // The widget whose pointer setCursorShape sets: the view the mouse is over.
    void setCursorWidget(QWidget* widget) { cursorWidget_ = widget; }
    // The main window's status bar, where showStatus writes.
    void setStatusBar(QStatusBar* bar) { statusBar_ = bar; }
    static constexpr int kStatusMilliseconds = 15000;
    int cursorCount() const { return cursorCount_; }

    static Qt::CursorShape qtShape(CursorShape shape);

  private:
    QPointer<QWidget> cursorWidget_;
    QPointer<QStatusBar> statusBar_;
    int cursorCount_ = 0;
    bool hidden_ = false;
};

}  // namespace sorvel
