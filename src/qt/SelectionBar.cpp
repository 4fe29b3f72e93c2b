#include "qt/SelectionBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

namespace sorvel {

SelectionBar::SelectionBar(QTextEdit& edit) : QWidget(&edit), edit_(edit) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SelectionBar::paintEvent(QPaintEvent* event) {
    // The strip looks like the text's own margin.
    QPainter painter(this);
    const QWidget* viewport = edit_.viewport();
    painter.fillRect(event->rect(), viewport->palette().brush(viewport->backgroundRole()));
}

SelectionBar::Range SelectionBar::lineAt(int y) const {
    const QPoint inViewport = edit_.viewport()->mapFromGlobal(mapToGlobal(QPoint(0, y)));
    const QTextCursor hit = edit_.cursorForPosition(QPoint(0, inViewport.y()));
    const QTextBlock block = hit.block();
    const int blockEnd = block.position() + block.length() - 1;
    // The break belongs to the paragraph's last line; the text's end has none.
    const int breakAfter = block.next().isValid() ? 1 : 0;
    const QTextLayout* layout = block.layout();
    const int relative = hit.position() - block.position();
    if (!layout || layout->lineCount() == 0) {
        return {block.position(), blockEnd + breakAfter};
    }
    const QTextLine line = layout->lineForTextPosition(relative);
    if (!line.isValid()) {
        return {block.position(), blockEnd + breakAfter};
    }
    const int start = block.position() + line.textStart();
    const int end = start + line.textLength();
    return {start, end >= blockEnd ? blockEnd + breakAfter : end};
}

void SelectionBar::selectFrom(const Range& from, const Range& to) {
    QTextCursor c = edit_.textCursor();
    if (to.start >= from.start) {
        c.setPosition(from.start);
        c.setPosition(std::max(from.end, to.end), QTextCursor::KeepAnchor);
    } else {
        c.setPosition(from.end);
        c.setPosition(to.start, QTextCursor::KeepAnchor);
    }
    edit_.setTextCursor(c);
}

void SelectionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    edit_.setFocus(Qt::MouseFocusReason);
    const int y = qRound(event->position().y());
    if (event->modifiers() & Qt::ControlModifier) {
        edit_.selectAll();
        dragging_ = false;
        return;
    }
    const Range line = lineAt(y);
    if (event->modifiers() & Qt::ShiftModifier) {
        // Extend from where the selection was anchored, by whole lines.
        const int anchor = edit_.textCursor().anchor();
        origin_ = {anchor, anchor};
    } else {
        origin_ = line;
    }
    selectFrom(origin_, line);
    dragging_ = true;
}

void SelectionBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int y = std::clamp(qRound(event->position().y()), 0, std::max(0, height() - 1));
    selectFrom(origin_, lineAt(y));
    edit_.ensureCursorVisible();
}

void SelectionBar::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void SelectionBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint inViewport =
        edit_.viewport()->mapFromGlobal(mapToGlobal(QPoint(0, qRound(event->position().y()))));
    const QTextBlock block = edit_.cursorForPosition(QPoint(0, inViewport.y())).block();
    origin_ = {block.position(),
               block.position() + block.length() - (block.next().isValid() ? 0 : 1)};
    selectFrom(origin_, origin_);
    dragging_ = true;
}

}  // namespace sorvel
