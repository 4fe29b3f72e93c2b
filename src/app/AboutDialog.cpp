#include "app/AboutDialog.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "help/DialogUnits.h"

namespace sorvel {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent),
      icon_(new QLabel(this)),
      version_(new QLabel(QString::fromLatin1(kVersion), this)),
      note_(new QLabel(QString::fromLatin1(kNote), this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    // A close box, no help button.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowSystemMenuHint);
    // Laid out in dialog units of the dialog's font, 257 by 148 of them.
    const QFontMetrics metrics(font());
    const DialogUnits du = DialogUnits::fromFont(
        metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
        metrics.height());
    auto place = [&du](QWidget* w, int x, int y, int width, int height) {
        const DialogRect r = du.toPixels(DialogRect{x, y, width, height});
        w->setGeometry(r.x, r.y, r.width, r.height);
    };
    setFixedSize(du.toPixelsX(257), du.toPixelsY(148));
    icon_->setPixmap(QIcon(QStringLiteral(":/icons/sorvel.svg")).pixmap(32, 32));
    place(icon_, 11, 17, 21, 20);
    place(version_, 40, 10, 119, 8);
    version_->setToolTip(QString::fromLatin1(kVersionDetail));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(note_, 40, 40, 205, 80);
    place(ok_, 200, 127, 50, 14);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace sorvel
