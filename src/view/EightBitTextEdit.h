#pragma once

#include <QTextEdit>

#include "translit/TransliterationState.h"
#include "view/FontDescription.h"
#include "view/QtClipboardData.h"

namespace sorvel {

// A QTextEdit whose document holds only 8-bit text: every character that
// comes in by typing, an input method, the clipboard or a drop is made to fit
// (see QtText::clean), and Shift+Enter makes a paragraph break, not a line
// separator. Copies carry the program's private fragment format.
class EightBitTextEdit : public QTextEdit {
    Q_OBJECT

  public:
    explicit EightBitTextEdit(TransliterationState& state, QWidget* parent = nullptr);

    // The Font description of the format at the caret.
    FontDescription insertionFormat() const;
    // Pastes what the clipboard holds in the form asked for (Paste Special).
    void pasteAs(QtClipboardData::As as);

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertAs(const QMimeData* source, QtClipboardData::As as);

    TransliterationState& state_;
};

}  // namespace sorvel
