#pragma once

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "text/RichText.h"

namespace sorvel {

// The one conversion between the 8-bit rich text of files and the clipboard's
// RTF (RichText) and the text of a document window (a QTextDocument): opening
// and saving a document go through it, and so do copying and pasting RTF.
//
// Every field of the Font description and the paragraph format goes across
// (see QtFormats), and a paragraph break's own format travels as the format
// of the Qt block that it opens.
class QtRichText {
  public:
    // The whole document.
    static RichText read(const QTextDocument& doc);
    // The characters between two Qt positions of the document, breaks as CR LF.
    static RichText read(const QTextDocument& doc, int from, int to);

    // Replaces the whole document by `text`, with no undo history and
    // unmodified, the caret format at the start being the text's first.
    static void load(QTextDocument& doc, const RichText& text);
    // Inserts `text` at the cursor: its first paragraph joins the block at
    // the cursor, each of its breaks ends a paragraph in the text's own
    // paragraph format, and its last paragraph joins the rest of the block,
    // which keeps its format. The caller makes it one step of undo.
    static void insert(QTextCursor& cursor, const RichText& text);
    // The same text as a fragment, for the clipboard and drops.
    static QTextDocumentFragment fragment(const RichText& text);
};

}  // namespace sorvel
