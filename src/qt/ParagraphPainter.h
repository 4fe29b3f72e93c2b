#pragma once

#include <QAbstractTextDocumentLayout>

class QPaintDevice;
class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextLayout;

namespace sorvel {

// Paints a laid-out paragraph of a document as Qt's document layout paints
// it: its background, its list marker, its lines with the selections in
// them, and the caret when it stands in it.
class ParagraphPainter {
  public:
    using PaintContext = QAbstractTextDocumentLayout::PaintContext;

    // For paragraphs of `doc`, laid out for `device` (none: the screen),
    // with a caret `cursorWidth` pixels wide.
    ParagraphPainter(const QTextDocument& doc, const QPaintDevice* device, int cursorWidth);

    // Paints `block`, laid out in `layout`, within `clip`.
    void draw(QPainter* painter, const PaintContext& context, const QTextBlock& block,
              const QTextLayout& layout, const QRectF& clip) const;

  private:
    using Selection = QAbstractTextDocumentLayout::Selection;

    void drawListItem(QPainter* painter, const PaintContext& context, const QTextBlock& block,
                      const QTextLayout& layout, const QTextCharFormat* selectedFormat) const;

    const QTextDocument& doc_;
    const QPaintDevice* device_;
    int cursorWidth_;
};

}  // namespace sorvel
