#include "qt/ExistingFontDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMessageBox>

namespace sorvel {

namespace {

// The keys with which the family list moves to another family; a Shift
// pressed for a capital letter, or Enter for OK, does not.
bool picksAnotherFamily(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

ExistingFontDialog::ExistingFontDialog(QWidget* parent) : QFontDialog(parent) {
    setOption(QFontDialog::DontUseNativeDialog);
    // The family, style and size lists, in that order.
    const QList<QListView*> lists = findChildren<QListView*>();
    if (!lists.isEmpty()) {
        families_ = lists.first();
        families_->installEventFilter(this);
        families_->viewport()->installEventFilter(this);
    }
}

QString ExistingFontDialog::noSuchFontMessage(const QString& typed) {
    return QStringLiteral(
               "There is no font named \"%1\" on this computer.\n\nUse \"%1\" anyway? "
               "Text in it is shown here in a font like it, and in \"%1\" itself on "
               "computers that have it.\n\nChoose No to pick a font from the list.")
        .arg(typed);
}

bool ExistingFontDialog::eventFilter(QObject* watched, QEvent* event) {
    if (families_ && watched == families_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing) {
            // The list's own search joins keys typed within the keyboard
            // input interval into one name, and starts afresh after it.
            if (!sinceTyped_.isValid() ||
                sinceTyped_.elapsed() > QApplication::keyboardInputInterval()) {
                typed_.clear();
            }
            typed_ += key->text();
            sinceTyped_.start();
        } else if (picksAnotherFamily(key->key())) {
            typed_.clear();
        }
    } else if (families_ && watched == families_->viewport() &&
               event->type() == QEvent::MouseButtonPress) {
        typed_.clear();
    }
    return QFontDialog::eventFilter(watched, event);
}

QString ExistingFontDialog::currentFamily() const {
    const QModelIndex current = families_ ? families_->currentIndex() : QModelIndex();
    return current.isValid() ? current.data().toString() : QString();
}

void ExistingFontDialog::done(int result) {
    if (result == QDialog::Accepted && !typed_.isEmpty()) {
        // Typing one key again and again walks through the families that
        // begin with it.
        const bool oneKey = typed_.count(typed_.front()) == typed_.size();
        const QString named = oneKey ? typed_.left(1) : typed_;
        if (!currentFamily().startsWith(named, Qt::CaseInsensitive)) {
            // A document made elsewhere may name a font this computer lacks
            // (a table's own font, say); the user may take the name as
            // typed, but never silently the family that stayed selected.
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Sorvel"),
                            noSuchFontMessage(typed_), QMessageBox::Yes | QMessageBox::No, this);
            box.setDefaultButton(QMessageBox::No);
            if (box.exec() != QMessageBox::Yes) {
                typed_.clear();
                return;
            }
            takenAsTyped_ = typed_;
        }
    }
    QFontDialog::done(result);
}

}  // namespace sorvel
