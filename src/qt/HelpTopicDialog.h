#pragma once

#include <QDialog>
#include <string>

#include "help/DialogUnits.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace sorvel {

// The help window: a note on how to copy, an OK button and the topic's text in
// a text box that wraps its lines and may be edited (the edits go with the
// window). Modal, with a caption but no close box; OK and Esc close it. Laid
// out in dialog units of its own font, so that it keeps its proportions to its
// text on any desktop.
class HelpTopicDialog : public QDialog {
    Q_OBJECT

  public:
    explicit HelpTopicDialog(QWidget* parent = nullptr);

    // The caption; 8-bit text.
    void setTitle(const std::string& title);
    std::string title() const;

    // The text box's content; 8-bit text with CR LF breaks.
    void setText(const std::string& text);
    std::string text() const;

    QLabel* note() const { return note_; }
    QPushButton* okButton() const { return ok_; }
    QTextEdit* textBox() const { return textBox_; }
    const DialogUnits& units() const { return units_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void applyTextMargins();

    DialogUnits units_;
    QLabel* note_;
    QPushButton* ok_;
    QTextEdit* textBox_;
};

}  // namespace sorvel
