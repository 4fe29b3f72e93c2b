#include "qt/QtClipboardData.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUuid>

#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"
#include "qt/QtFormats.h"
#include "qt/QtRichText.h"
#include "qt/QtText.h"
#include "translit/IdentifyPaliFont.h"

namespace sorvel {

namespace {

// The names under which RTF travels between programs.
const QString kRtfTypes[] = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                             QStringLiteral("text/richtext")};

// The fragment of the program's last copy, kept by the application object so
// that it goes with it.
class CopiedFragment : public QObject {
  public:
    explicit CopiedFragment(QObject* parent) : QObject(parent) {}

    static CopiedFragment& instance() {
        static QPointer<CopiedFragment> store;
        if (!store) {
            store = new CopiedFragment(QCoreApplication::instance());
        }
        return *store;
    }

    QByteArray token;
    QTextDocumentFragment fragment;
};

// Marks `data` as the program's own copy of `fragment`.
void remember(QMimeData& data, const QTextDocumentFragment& fragment) {
    CopiedFragment& copied = CopiedFragment::instance();
    copied.token = QUuid::createUuid().toByteArray();
    copied.fragment = fragment;
    data.setData(QtClipboardData::mimeType(), copied.token);
}

QFont fontOf(const FontDescription& f) {
    QFont font(QtText::faceToQt(f.faceName));
    if (f.height > 0) {
        font.setPointSizeF(f.height / 20.0);
    }
    font.setBold(f.effects & chareffect::Bold);
    font.setItalic(f.effects & chareffect::Italic);
    return font;
}

// Rebuilds a foreign rich text with what the document can hold.
QTextDocumentFragment rebuild(const QTextDocument& source, const FontDescription& insertion,
                              const TransliterationState& state) {
    QTextDocument clean;
    QTextCursor out(&clean);
    const QFont base = fontOf(insertion);
    bool first = true;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        if (!first) {
            out.insertBlock();
        }
        first = false;
        const ParaFormat para = QtFormats::describe(block);
        if (para.numbering == numbering::Bullet) {
            QTextList* before =
                out.block().previous().isValid() ? out.block().previous().textList() : nullptr;
            if (before) {
                before->add(out.block());
            } else {
                QTextListFormat list;
                list.setStyle(QTextListFormat::ListDisc);
                list.setIndent(0);
                out.createList(list);
            }
        }
        out.setBlockFormat(QtFormats::blockFormat(out.block(), para));
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const FontDescription f = QtFormats::describe(fragment.charFormat(), base);
            const PaliFontKind kind = identifyPaliFont(f.faceName, state);
            out.insertText(QtText::clean(fragment.text(), kind), QtFormats::charFormat(f));
        }
    }
    return QTextDocumentFragment(&clean);
}

}  // namespace

const char* QtClipboardData::mimeType() {
    return "application/x-sorvel-fragment";
}

QMimeData* QtClipboardData::fromSelection(const QTextCursor& selection) {
    auto* data = new QMimeData;
    const QTextDocumentFragment fragment(selection);
    QString plain = selection.selectedText();
    plain.replace(QChar::ParagraphSeparator, u'\n');
    data->setText(plain);
    data->setHtml(fragment.toHtml());
    if (const QTextDocument* doc = selection.document()) {
        const std::string rtf = RtfWriter::write(
            QtRichText::read(*doc, selection.selectionStart(), selection.selectionEnd()));
        const QByteArray bytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
        data->setData(kRtfTypes[0], bytes);
        data->setData(kRtfTypes[1], bytes);
    }
    remember(*data, fragment);
    return data;
}

QMimeData* QtClipboardData::fromForms(const RichText& original, std::string_view utf8,
                                      std::string_view rtf) {
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    const QByteArray bytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
    data->setData(kRtfTypes[0], bytes);
    data->setData(kRtfTypes[1], bytes);
    remember(*data, QtRichText::fragment(original));
    return data;
}

std::optional<QByteArray> QtClipboardData::rtfOf(const QMimeData* data) {
    for (const QString& type : kRtfTypes) {
        if (data->hasFormat(type)) {
            return data->data(type);
        }
    }
    return std::nullopt;
}

bool QtClipboardData::canInsert(const QMimeData* data) {
    return data &&
           (data->hasFormat(mimeType()) || rtfOf(data) || data->hasHtml() || data->hasText());
}

std::vector<std::string> QtClipboardData::pasteFormats(const QMimeData* data) {
    std::vector<std::string> formats;
    if (!data) {
        return formats;
    }
    if (data->hasFormat(mimeType()) || rtfOf(data) || data->hasHtml()) {
        formats.emplace_back(kRichTextLabel);
    }
    if (data->hasText()) {
        formats.emplace_back(kPlainTextLabel);
    }
    return formats;
}

QtClipboardData::Insert QtClipboardData::toInsert(const QMimeData* data,
                                                  const FontDescription& insertion,
                                                  const TransliterationState& state, As as) {
    Insert result;
    if (!data) {
        return result;
    }
    if (as == As::PlainText) {
        if (data->hasText()) {
            result.text = QtText::clean(data->text(), identifyPaliFont(insertion.faceName, state));
        }
        return result;
    }
    if (data->hasFormat(mimeType())) {
        const CopiedFragment& copied = CopiedFragment::instance();
        if (!copied.token.isEmpty() && data->data(mimeType()) == copied.token) {
            result.fragment = copied.fragment;
            return result;
        }
    }
    if (const std::optional<QByteArray> rtf = rtfOf(data)) {
        if (std::optional<RichText> text =
                RtfReader::read(std::string_view(rtf->constData(), rtf->size()))) {
            result.fragment = QtRichText::fragment(*text);
            return result;
        }
    }
    if (data->hasHtml()) {
        QTextDocument source;
        source.setHtml(data->html());
        result.fragment = rebuild(source, insertion, state);
        return result;
    }
    if (data->hasText() && as == As::Best) {
        result.text = QtText::clean(data->text(), identifyPaliFont(insertion.faceName, state));
    }
    return result;
}

}  // namespace sorvel
