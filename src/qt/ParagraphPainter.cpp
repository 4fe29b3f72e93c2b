#include "qt/ParagraphPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>

namespace sorvel {

namespace {

void fillBackground(QPainter* p, const QRectF& rect, const QBrush& brush, const QPointF& origin) {
    p->save();
    p->setBrushOrigin(origin);
    p->fillRect(rect, brush);
    p->restore();
}

}  // namespace

ParagraphPainter::ParagraphPainter(const QTextDocument& doc, const QPaintDevice* device,
                                   int cursorWidth)
    : doc_(doc), device_(device), cursorWidth_(cursorWidth) {}

void ParagraphPainter::draw(QPainter* painter, const PaintContext& context, const QTextBlock& block,
                            const QTextLayout& tl, const QRectF& clip) const {
    QRectF r = tl.boundingRect();
    r.translate(tl.position());
    if (context.clip.isValid() &&
        (r.bottom() < context.clip.y() || r.top() > context.clip.bottom())) {
        return;
    }
    const QTextBlockFormat format = block.blockFormat();
    const QBrush background = format.background();
    if (background != Qt::NoBrush) {
        fillBackground(painter, r, background, r.topLeft());
    }

    QList<QTextLayout::FormatRange> selections;
    const int start = block.position();
    const int length = block.length();
    const QTextCharFormat* selectedFormat = nullptr;
    for (const Selection& range : context.selections) {
        const int selStart = range.cursor.selectionStart() - start;
        const int selEnd = range.cursor.selectionEnd() - start;
        if (selStart < length && selEnd > 0 && selEnd > selStart) {
            QTextLayout::FormatRange o;
            o.start = selStart;
            o.length = selEnd - selStart;
            o.format = range.format;
            selections.append(o);
        } else if (!range.cursor.hasSelection() &&
                   range.format.hasProperty(QTextFormat::FullWidthSelection) &&
                   block.contains(range.cursor.position())) {
            // A full-width selection marks the line of its cursor.
            const QTextLine line = tl.lineForTextPosition(range.cursor.position() - start);
            QTextLayout::FormatRange o;
            o.start = line.textStart();
            o.length = line.textLength();
            if (o.start + o.length == length - 1) {
                ++o.length;
            }
            o.format = range.format;
            selections.append(o);
        }
        if (selStart < 0 && selEnd >= 1) {
            selectedFormat = &range.format;
        }
    }

    const QTextObject* object = doc_.objectForFormat(format);
    if (object && object->format().toListFormat().style() != QTextListFormat::ListStyleUndefined) {
        drawListItem(painter, context, block, tl, selectedFormat);
    }

    const QPen oldPen = painter->pen();
    painter->setPen(context.palette.color(QPalette::Text));
    tl.draw(painter, QPointF(0, 0), selections, clip);
    const int cursor = context.cursorPosition;
    if ((cursor >= start && cursor < start + length) ||
        (cursor < -1 && !tl.preeditAreaText().isEmpty())) {
        const int at = cursor < -1 ? tl.preeditAreaPosition() - (cursor + 2) : cursor - start;
        tl.drawCursor(painter, QPointF(0, 0), at, cursorWidth_);
    }
    painter->setPen(oldPen);
}

void ParagraphPainter::drawListItem(QPainter* painter, const PaintContext& context,
                                    const QTextBlock& block, const QTextLayout& tl,
                                    const QTextCharFormat* selectedFormat) const {
    if (tl.lineCount() == 0) {
        return;
    }
    const QTextCharFormat charFormat = block.charFormat();
    QFont font(charFormat.font());
    if (device_) {
        font = QFont(font, device_);
    }
    const QFontMetrics metrics(font);
    const QTextObject* object = doc_.objectForFormat(block.blockFormat());
    int style = object->format().toListFormat().style();
    if (block.blockFormat().hasProperty(QTextFormat::ListStyle)) {
        style = block.blockFormat().intProperty(QTextFormat::ListStyle);
    }
    const Qt::LayoutDirection dir = block.textDirection();
    QPointF pos = tl.position().toPoint();
    {
        const QRectF text = tl.lineAt(0).naturalTextRect();
        pos += text.topLeft().toPoint();
        if (dir == Qt::RightToLeft) {
            pos.rx() += text.width();
        }
    }
    QString itemText;
    QSizeF size;
    switch (style) {
        case QTextListFormat::ListDecimal:
        case QTextListFormat::ListLowerAlpha:
        case QTextListFormat::ListUpperAlpha:
        case QTextListFormat::ListLowerRoman:
        case QTextListFormat::ListUpperRoman:
            itemText = static_cast<const QTextList*>(object)->itemText(block);
            size = QSizeF(metrics.horizontalAdvance(itemText), metrics.height());
            break;
        case QTextListFormat::ListSquare:
        case QTextListFormat::ListCircle:
        case QTextListFormat::ListDisc:
            size.setWidth(metrics.lineSpacing() / 3);
            size.setHeight(size.width());
            break;
        default:
            return;
    }
    QRectF r(pos, size);
    qreal xoff = metrics.horizontalAdvance(QLatin1Char(' '));
    if (dir == Qt::LeftToRight) {
        xoff = -xoff - size.width();
    }
    r.translate(xoff, (metrics.height() / 2) - (size.height() / 2));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (selectedFormat) {
        painter->setPen(QPen(selectedFormat->foreground(), 0));
        painter->fillRect(r, selectedFormat->background());
    } else {
        QBrush fg = charFormat.foreground();
        if (fg == Qt::NoBrush) {
            fg = context.palette.text();
        }
        painter->setPen(QPen(fg, 0));
    }
    const QBrush brush = context.palette.brush(QPalette::Text);
    switch (style) {
        case QTextListFormat::ListSquare:
            painter->fillRect(r, brush);
            break;
        case QTextListFormat::ListCircle:
            painter->setPen(QPen(brush, 0));
            painter->drawEllipse(r.translated(0.5, 0.5));
            break;
        case QTextListFormat::ListDisc:
            painter->setBrush(brush);
            painter->setPen(Qt::NoPen);
            painter->drawEllipse(r);
            break;
        default: {
            QTextLayout number(itemText, font, device_);
            number.setCacheEnabled(true);
            QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
            option.setTextDirection(dir);
            number.setTextOption(option);
            number.beginLayout();
            QTextLine line = number.createLine();
            if (line.isValid()) {
                line.setLeadingIncluded(true);
            }
            number.endLayout();
            number.draw(painter, QPointF(r.left(), pos.y()));
            break;
        }
    }
    painter->restore();
}

}  // namespace sorvel
