#pragma once

#include <QTextEdit>

#include "editor/TransliterationState.h"
#include "qt/QtClipboardData.h"
#include "text/FontDescription.h"
#include "text/SurfaceRules.h"

namespace sorvel {

// A QTextEdit whose document holds only 8-bit text: every character that
// comes in by typing, an input method, the clipboard or a drop is made to fit
// (see QtText::clean), and Shift+Enter makes a paragraph break, not a line
// separator. Copies carry the program's private fragment format.
//
// Like a word processor's text box it also has a selection bar at its left,
// a limit on the length of its text, and automatic word selection: a drag
// that leaves the word where it began selects whole words.
class SelectionBar;

class EightBitTextEdit : public QTextEdit {
    Q_OBJECT

  public:
    explicit EightBitTextEdit(TransliterationState& state, QWidget* parent = nullptr);

    // The Font description of the format at the caret.
    FontDescription insertionFormat() const;
    // Pastes what the clipboard holds in the form asked for (Paste Special).
    void pasteAs(QtClipboardData::As as);
    // What a paste would insert now, plain text in `insertion`; not cut to fit.
    QtClipboardData::Insert clipboardInsert(const FontDescription& insertion) const;

    // How long the text may grow by typing, pasting and dropping, counted as
    // the surface counts it (a paragraph break is two). Text set by the
    // program, a loaded file say, is never cut.
    static constexpr long kDefaultTextLimit = SurfaceRules::kTextLimit;
    void setTextLimit(long limit) { textLimit_ = limit; }
    long textLimit() const { return textLimit_; }
    long textLength() const;
    // How many characters an insertion in place of the selection may bring.
    long room() const;

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void insertAs(const QMimeData* source, QtClipboardData::As as);

    TransliterationState& state_;

  private:
    // Whether `incoming` characters fit in place of the selection; cheap
    // while the text is far from the limit.
    bool fits(long incoming) const;
    // Widens a drag's selection to whole words once it leaves its first word.
    void selectWholeWords();

    long textLimit_ = kDefaultTextLimit;
    SelectionBar* bar_;
    // Where a plain click began a drag; -1 when no such drag is going on.
    int dragStart_ = -1;
};

}  // namespace sorvel
