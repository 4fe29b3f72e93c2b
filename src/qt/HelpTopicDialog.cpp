#include "qt/HelpTopicDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

#include "common/Cp1252.h"
#include "help/HelpDialogTemplate.h"

namespace sorvel {

namespace {

QString fromEightBit(const std::string& text) {
    // The text box knows one line break, "\n"; a CR would break the line twice.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return QString::fromStdString(Cp1252::toUtf8(lines));
}

std::string toEightBit(const QString& text) {
    std::string out;
    for (const char c : Cp1252::fromUtf8(text.toStdString())) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

DialogUnits unitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return DialogUnits::fromFont(metrics.horizontalAdvance(QStringLiteral(
                                     "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                                 metrics.height());
}

QRect toQRect(const DialogRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace

HelpTopicDialog::HelpTopicDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      units_(unitsOf(font())),
      note_(new QLabel(QString::fromStdString(Cp1252::toUtf8(helpdialog::kNote)), this)),
      ok_(new QPushButton(QString::fromLatin1(helpdialog::kOkLabel.data(),
                                              static_cast<qsizetype>(helpdialog::kOkLabel.size())),
                          this)),
      textBox_(new QTextEdit(this)) {
    setModal(true);
    setWindowTitle(QString::fromStdString(Cp1252::toUtf8(helpdialog::kTemplateCaption)));
    setFixedSize(toQRect(units_.toPixels(helpdialog::kClient)).size());

    note_->setObjectName(QStringLiteral("note"));
    note_->setGeometry(toQRect(units_.toPixels(helpdialog::kNoteRect)));
    note_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    note_->setWordWrap(true);

    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setProperty("controlId", helpdialog::kOkId);
    ok_->setGeometry(toQRect(units_.toPixels(helpdialog::kOkRect)));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    textBox_->setObjectName(QStringLiteral("textBox"));
    textBox_->setProperty("controlId", helpdialog::kTextBoxId);
    textBox_->setGeometry(toQRect(units_.toPixels(helpdialog::kTextBoxRect)));
    textBox_->setAcceptRichText(false);
    textBox_->setReadOnly(false);
    textBox_->setLineWrapMode(QTextEdit::WidgetWidth);
    textBox_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wide enough for the code tables of the help, whose first column holds
    // words like "Standard".
    textBox_->setTabStopDistance(units_.toPixelsX(48));
    applyTextMargins();

    ok_->setFocus();
}

void HelpTopicDialog::setTitle(const std::string& title) {
    setWindowTitle(fromEightBit(title));
}

std::string HelpTopicDialog::title() const {
    return toEightBit(windowTitle());
}

void HelpTopicDialog::setText(const std::string& text) {
    textBox_->setPlainText(fromEightBit(text));
    // Setting the text renews the document's frame, and with it the margins.
    applyTextMargins();
    textBox_->moveCursor(QTextCursor::Start);
}

std::string HelpTopicDialog::text() const {
    QString raw = textBox_->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return toEightBit(raw);
}

void HelpTopicDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Nothing selected at first: the focus is on OK, not in the text.
    ok_->setFocus();
}

void HelpTopicDialog::applyTextMargins() {
    QTextFrame* root = textBox_->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setLeftMargin(helpdialog::kTextMarginPixels);
    format.setRightMargin(helpdialog::kTextMarginPixels);
    root->setFrameFormat(format);
}

}  // namespace sorvel
