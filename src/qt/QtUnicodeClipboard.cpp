#include "qt/QtUnicodeClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "qt/QtClipboardData.h"

namespace sorvel {

void QtUnicodeClipboard::putUnicode(const RichText& original, std::string_view utf8,
                                    std::string_view rtf) {
    QApplication::clipboard()->setMimeData(QtClipboardData::fromForms(original, utf8, rtf));
}

UnicodeClipboard::Content QtUnicodeClipboard::unicodeContent() const {
    Content content;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) {
        return content;
    }
    if (const std::optional<QByteArray> rtf = QtClipboardData::rtfOf(data)) {
        content.rtf = rtf->toStdString();
    }
    if (data->hasText()) {
        content.utf8 = data->text().toUtf8().toStdString();
    }
    return content;
}

}  // namespace sorvel
