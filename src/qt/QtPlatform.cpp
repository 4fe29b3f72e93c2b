#include "qt/QtPlatform.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "qt/ExistingFontDialog.h"
#include "qt/QtText.h"

namespace sorvel {

namespace {

const QString kTitle = QStringLiteral("Sorvel");

QString text8(std::string_view text) {
    // Messages are 8-bit like everything else; keep their line breaks.
    QString s = QtText::fromBytes(text, QChar(u'\n'));
    return s;
}

QColor fromColorRef(uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

uint32_t colorRef(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

// The pitch-and-family byte of a font: fixed or variable pitch, and a family
// guessed from the font's style hint.
uint8_t pitchAndFamily(const QFont& font) {
    const bool fixed = QFontInfo(font).fixedPitch();
    uint8_t family = 0;
    switch (font.styleHint()) {
        case QFont::Serif:
            family = 0x10;
            break;
        case QFont::SansSerif:
            family = 0x20;
            break;
        case QFont::TypeWriter:
            family = 0x30;
            break;
        case QFont::Cursive:
            family = 0x40;
            break;
        case QFont::Decorative:
            family = 0x50;
            break;
        default:
            family = fixed ? 0x30 : 0;
            break;
    }
    return static_cast<uint8_t>(family | (fixed ? 1 : 2));
}

// The effects group of the dialog (the box with the underline and
// strike-out switches).
QGroupBox* effectsGroup(QFontDialog& dialog) {
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        if (!box->findChildren<QCheckBox*>().isEmpty()) {
            return box;
        }
    }
    return nullptr;
}

}  // namespace

void QtPlatform::messageBox(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text8(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtPlatform::messageBoxUtf8(std::string_view utf8) {
    QMessageBox box(QMessageBox::Warning, kTitle,
                    QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::askYesNo(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text8(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

bool QtPlatform::askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Warning, kTitle,
                    QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Answer QtPlatform::askYesNoCancel(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text8(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::size_t> QtPlatform::choosePasteFormat(const std::vector<std::string>& formats) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Paste Special"));
    auto* label = new QLabel(QStringLiteral("&As:"), &dialog);
    auto* list = new QListWidget(&dialog);
    label->setBuddy(list);
    for (const std::string& f : formats) {
        list->addItem(QString::fromStdString(f));
    }
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(list->currentRow());
}

std::optional<FontChoice> QtPlatform::chooseFont(const FontDialogRequest& request) {
    const FontDescription& init = request.initial;
    QFont initial(QtText::faceToQt(init.faceName));
    if (init.height > 0) {
        initial.setPointSizeF(init.height / 20.0);
    }
    initial.setBold(init.effects & chareffect::Bold);
    initial.setItalic(init.effects & chareffect::Italic);
    initial.setUnderline(init.effects & chareffect::Underline);
    initial.setStrikeOut(init.effects & chareffect::StrikeOut);

    // A dialog that accepts only fonts that exist, unless asked otherwise.
    std::unique_ptr<QFontDialog> owned =
        request.mustExist ? std::make_unique<ExistingFontDialog>(QApplication::activeWindow())
                          : std::make_unique<QFontDialog>(QApplication::activeWindow());
    QFontDialog& dialog = *owned;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("Font"));
    dialog.setCurrentFont(initial);

    // Offer only the groups that the request names.
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    if (!request.offerStyle && lists.size() == 3 && edits.size() >= 3) {
        lists[1]->setEnabled(false);  // family, style, size (and the sample) in that order
        edits[1]->setEnabled(false);
    }
    QColor color =
        (init.effects & chareffect::AutoColor) ? QColor(Qt::black) : fromColorRef(init.color);
    if (QGroupBox* effects = effectsGroup(dialog)) {
        if (!request.offerEffects) {
            effects->hide();
        } else if (effects->layout()) {
            auto* button = new QPushButton(QStringLiteral("&Colour..."), effects);
            effects->layout()->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, &dialog, [&color, &dialog] {
                const QColor c = QColorDialog::getColor(color, &dialog);
                if (c.isValid()) {
                    color = c;
                }
            });
        }
    }
    if (!request.offerCharSet) {
        for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
            combo->hide();
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                if (label->buddy() == combo) {
                    label->hide();
                }
            }
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont font = dialog.selectedFont();
    FontChoice choice;
    const auto* existing = dynamic_cast<const ExistingFontDialog*>(&dialog);
    choice.faceName = QtText::faceFromQt(existing && !existing->familyTakenAsTyped().isEmpty()
                                             ? existing->familyTakenAsTyped()
                                             : font.family());
    choice.pitchAndFamily = pitchAndFamily(font);
    choice.pointSizeTenths = static_cast<int>(std::lround(font.pointSizeF() * 10));
    choice.bold = font.weight() >= QFont::DemiBold;
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.color = colorRef(color);
    choice.charSet = init.charSet;
    return choice;
}

std::optional<std::string> QtPlatform::chooseFile(const FileDialogRequest& request) {
    std::optional<FileChoice> chosen = chooseFileAndType(request);
    if (!chosen) {
        return std::nullopt;
    }
    return std::move(chosen->path);
}

std::optional<FileChoice> QtPlatform::chooseFileAndType(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& f : request.filters) {
        filters << QString::fromStdString(f.shown());
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.selectedFilter < static_cast<std::size_t>(filters.size())) {
            dialog.selectNameFilter(filters[static_cast<qsizetype>(request.selectedFilter)]);
        }
    }
    if (!request.defaultExtension.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        // A name typed without an extension takes that of the filter chosen,
        // where the filter names one extension.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &request, filters](const QString& chosen) {
                             const qsizetype i = filters.indexOf(chosen);
                             QString suffix = QString::fromStdString(request.defaultExtension);
                             if (i >= 0) {
                                 const QString pattern = QString::fromStdString(
                                     request.filters[static_cast<std::size_t>(i)].pattern);
                                 if (pattern.startsWith(QStringLiteral("*.")) &&
                                     !pattern.contains(u';') && !pattern.mid(2).contains(u'*')) {
                                     suffix = pattern.mid(2);
                                 }
                             }
                             dialog.setDefaultSuffix(suffix);
                         });
    }
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromStdString(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype filter = filters.indexOf(dialog.selectedNameFilter());
    return FileChoice{QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString(),
                      filter >= 0 ? static_cast<std::size_t>(filter) : request.selectedFilter};
}

Qt::CursorShape QtPlatform::qtShape(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow:
            return Qt::ArrowCursor;
        case CursorShape::IBeam:
            return Qt::IBeamCursor;
        case CursorShape::Cross:
            return Qt::CrossCursor;
        case CursorShape::SizeNS:
            return Qt::SizeVerCursor;
    }
    return Qt::ArrowCursor;
}

void QtPlatform::showStatus(std::string_view utf8) {
    if (statusBar_) {
        statusBar_->showMessage(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                                kStatusMilliseconds);
    }
}

void QtPlatform::setCursorShape(CursorShape shape) {
    QWidget* target = cursorWidget_;
    if (!target) {
        return;
    }
    // Over the whole view: the text area and the frame around it.
    target->setCursor(qtShape(shape));
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) {
        area->viewport()->setCursor(qtShape(shape));
    }
}

int QtPlatform::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    if (cursorCount_ < 0 && !hidden_) {
        QApplication::setOverrideCursor(Qt::BlankCursor);
        hidden_ = true;
    } else if (cursorCount_ >= 0 && hidden_) {
        QApplication::restoreOverrideCursor();
        hidden_ = false;
    }
    return cursorCount_;
}

}  // namespace sorvel
