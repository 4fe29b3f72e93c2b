#pragma once

#include <QElapsedTimer>
#include <QFontDialog>
#include <QString>

class QListView;

namespace sorvel {

// A font dialog that accepts only fonts that exist. A family is chosen by
// typing its name into the family list, which selects the first family that
// begins with what was typed; where none does, the selection stays where it
// was. Pressing OK then would take a family the user never named, so OK
// instead says that no font of the typed name exists and asks whether to
// take the name as typed; No keeps the dialog open.
class ExistingFontDialog : public QFontDialog {
  public:
    explicit ExistingFontDialog(QWidget* parent = nullptr);

    // What was last typed into the family list as one name; empty once a
    // family has been picked with the mouse or the arrow keys.
    QString typedFamily() const { return typed_; }
    // The family the user chose to keep as typed although no font has it;
    // empty when a listed family was chosen.
    QString familyTakenAsTyped() const { return takenAsTyped_; }
    // The text of the question asked when `typed` names no font.
    static QString noSuchFontMessage(const QString& typed);

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString currentFamily() const;

    QListView* families_ = nullptr;
    QString typed_;
    QString takenAsTyped_;
    QElapsedTimer sinceTyped_;
};

}  // namespace sorvel
