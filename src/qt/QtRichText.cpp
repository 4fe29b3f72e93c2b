#include "qt/QtRichText.h"

#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <optional>
#include <vector>

#include "qt/QtFormats.h"
#include "qt/QtRichTextSnapshot.h"
#include "qt/QtText.h"

namespace sorvel {

namespace {

QTextCharFormat fullFormat(const FontDescription& f) {
    FontDescription all = f;
    all.mask = charmask::All;
    return QtFormats::charFormat(all);
}

// The Qt character format of each of a text's formats, made once: a long
// document has a hundred thousand runs but only a few formats.
class FormatCache {
  public:
    explicit FormatCache(const RichText& text) : text_(text) {}
    const QTextCharFormat& at(long pos) { return of(text_.runAt(pos)); }
    const QTextCharFormat& of(const RichText::Run& run) {
        if (run.formatId >= made_.size()) {
            made_.resize(run.formatId + 1);
        }
        if (!made_[run.formatId]) {
            made_[run.formatId] = fullFormat(*run.format);
        }
        return *made_[run.formatId];
    }

  private:
    const RichText& text_;
    std::vector<std::optional<QTextCharFormat>> made_;
};

// Writes `text` at the cursor of a fresh document, whose one empty block
// takes the first paragraph: one edit, so that whatever lays the document out
// hears of it once, and each format made once.
void build(QTextCursor& c, const RichText& text) {
    FormatCache formats(text);
    c.beginEditBlock();
    for (int i = 0; i < text.paragraphCount(); ++i) {
        const long start = text.paragraphStart(i);
        const long end = text.paragraphEnd(i);
        if (i > 0) {
            // The break that ends paragraph i - 1 opens this block.
            c.insertBlock(QTextBlockFormat(), formats.at(start - 2));
        }
        QtFormats::formatBlock(c, text.paraFormat(i));
        text.forEachRun(start, end, [&](const RichText::Run& run) {
            c.insertText(QtText::fromBytes(text.textRange(run.start, run.end)), formats.of(run));
        });
    }
    c.endEditBlock();
}

}  // namespace

RichText QtRichText::read(const QTextDocument& doc) {
    return QtRichTextSnapshot::take(doc).build();
}

RichText QtRichText::read(const QTextDocument& doc, int from, int to) {
    return QtRichTextSnapshot::take(doc, from, to).build();
}

void QtRichText::load(QTextDocument& doc, const RichText& text) {
    doc.setUndoRedoEnabled(false);
    doc.clear();
    QTextCursor c(&doc);
    c.setBlockCharFormat(fullFormat(text.empty() ? text.defaultFormat() : text.formatAt(0)));
    c.setCharFormat(fullFormat(text.empty() ? text.defaultFormat() : text.formatAt(0)));
    build(c, text);
    doc.setUndoRedoEnabled(true);
    doc.setModified(false);
}

QTextDocumentFragment QtRichText::fragment(const RichText& text) {
    QTextDocument piece;
    QTextCursor c(&piece);
    build(c, text);
    return QTextDocumentFragment(&piece);
}

void QtRichText::insert(QTextCursor& cursor, const RichText& text) {
    // Not a fragment: Qt would give the block that the text's last paragraph
    // joins the format of its first. Here each break that the text brings
    // ends a paragraph in the text's own format, and the text's last
    // paragraph joins the block at the cursor, which keeps its format.
    for (int i = 0; i < text.paragraphCount(); ++i) {
        text.forEachRun(text.paragraphStart(i), text.paragraphEnd(i),
                        [&](const RichText::Run& run) {
                            cursor.insertText(QtText::fromBytes(text.textRange(run.start, run.end)),
                                              fullFormat(*run.format));
                        });
        if (i + 1 < text.paragraphCount()) {
            const QTextCharFormat breakFormat =
                fullFormat(text.formatAt(text.paragraphStart(i + 1) - 2));
            cursor.insertBlock(cursor.blockFormat(), breakFormat);
            QTextCursor ended(cursor.block().previous());
            QtFormats::formatBlock(ended, text.paraFormat(i));
        }
    }
}

}  // namespace sorvel
