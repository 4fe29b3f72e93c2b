#pragma once

#include <QDialog>
#include <string>

#include "shell/TextSearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sorvel {

// The Find and the Replace dialog: modeless, over the main window, acting on
// the active document window through signals.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

  public:
    FindReplaceDialog(bool replace, QWidget* parent);

    bool isReplace() const { return replace_; }
    // The text to find and its replacement as typed (UTF-8): a Unicode Pali
    // letter stays one, for the search to find in every Pali font.
    std::string findWhat() const;
    std::string replaceWith() const;
    SearchOptions options() const;
    void setFindWhat(const QString& text);

    QLineEdit* findEdit() const { return find_; }
    QLineEdit* replaceEdit() const { return with_; }
    QCheckBox* wholeWordBox() const { return wholeWord_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QRadioButton* upButton() const { return up_; }
    QPushButton* findNextButton() const { return findNext_; }
    QPushButton* replaceButton() const { return replaceOne_; }
    QPushButton* replaceAllButton() const { return replaceAll_; }

  signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

  private:
    void updateButtons();

    bool replace_;
    QLineEdit* find_;
    QLineEdit* with_ = nullptr;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findNext_;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

}  // namespace sorvel
