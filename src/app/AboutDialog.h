#pragma once

#include <QDialog>

#include "common/SorvelVersion.h"

class QLabel;
class QPushButton;

namespace sorvel {

// The About box: the program's icon, its version and a note, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kTitle = "About Sorvel";
    static constexpr const char* kVersion = "Sorvel Version " SORVEL_SHORT_VERSION;
    // The full record, shown when the pointer rests on the version line.
    static constexpr const char* kVersionDetail =
        "Product version " SORVEL_PRODUCT_VERSION ", file version " SORVEL_FILE_VERSION;
    static constexpr const char* kNote =
        "I also suggest that you read the Help before using this program.\n"
        "Pali fonts can be hard to use if you wish to share your work with other people.";

    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* icon() const { return icon_; }
    QLabel* version() const { return version_; }
    QLabel* note() const { return note_; }
    QPushButton* okButton() const { return ok_; }

  private:
    QLabel* icon_;
    QLabel* version_;
    QLabel* note_;
    QPushButton* ok_;
};

}  // namespace sorvel
