#include "app/WindowListDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "shell/WindowList.h"

namespace sorvel {

WindowListDialog::WindowListDialog(const QStringList& titles, std::optional<int> active,
                                   QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(WindowList::kDialogTitle.data(),
                                       static_cast<qsizetype>(WindowList::kDialogTitle.size())));
    auto* label = new QLabel(QStringLiteral("Select &window:"), this);
    label->setBuddy(list_);
    list_->addItems(titles);
    list_->setCurrentRow(active.value_or(0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

std::optional<int> WindowListDialog::chosen() const {
    const int row = list_->currentRow();
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

}  // namespace sorvel
