#include "app/FindReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorvel {

FindReplaceDialog::FindReplaceDialog(bool replace, QWidget* parent)
    : QDialog(parent),
      replace_(replace),
      find_(new QLineEdit(this)),
      wholeWord_(new QCheckBox(QStringLiteral("Match &whole word only"), this)),
      matchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      findNext_(new QPushButton(QStringLiteral("&Find Next"), this)) {
    setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);
    auto* fields = new QGridLayout;
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(find_);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(find_, 0, 1);
    if (replace) {
        with_ = new QLineEdit(this);
        auto* withLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        withLabel->setBuddy(with_);
        fields->addWidget(withLabel, 1, 0);
        fields->addWidget(with_, 1, 1);
    }
    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    auto* options = new QHBoxLayout;
    options->addLayout(checks);
    if (!replace) {
        // The replace dialog searches down, as the usual replace dialogs do.
        auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
        up_ = new QRadioButton(QStringLiteral("&Up"), direction);
        down_ = new QRadioButton(QStringLiteral("&Down"), direction);
        down_->setChecked(true);
        auto* d = new QHBoxLayout(direction);
        d->addWidget(up_);
        d->addWidget(down_);
        options->addWidget(direction);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    findNext_->setDefault(true);
    buttons->addWidget(findNext_);
    if (replace) {
        replaceOne_ = new QPushButton(QStringLiteral("&Replace"), this);
        replaceAll_ = new QPushButton(QStringLiteral("Replace &All"), this);
        buttons->addWidget(replaceOne_);
        buttons->addWidget(replaceAll_);
        connect(replaceOne_, &QPushButton::clicked, this, &FindReplaceDialog::replaceRequested);
        connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllRequested);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(findNext_, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(find_, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    updateButtons();
}

std::string FindReplaceDialog::findWhat() const {
    return find_->text().toStdString();
}

std::string FindReplaceDialog::replaceWith() const {
    return with_ ? with_->text().toStdString() : std::string();
}

SearchOptions FindReplaceDialog::options() const {
    SearchOptions o;
    o.matchCase = matchCase_->isChecked();
    o.wholeWord = wholeWord_->isChecked();
    o.down = up_ == nullptr || !up_->isChecked();
    return o;
}

void FindReplaceDialog::setFindWhat(const QString& text) {
    find_->setText(text);
    find_->selectAll();
}

void FindReplaceDialog::updateButtons() {
    const bool any = !find_->text().isEmpty();
    findNext_->setEnabled(any);
    if (replaceOne_) {
        replaceOne_->setEnabled(any);
        replaceAll_->setEnabled(any);
    }
}

}  // namespace sorvel
