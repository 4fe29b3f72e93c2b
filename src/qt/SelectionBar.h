#pragma once

#include <QWidget>

class QTextEdit;

namespace sorvel {

// The strip left of the text where a click selects a whole line: a click the
// line beside it, a double click its paragraph, Ctrl+click the whole text,
// Shift+click extends the selection by lines, and a drag selects line by
// line. A line's selection takes the paragraph break after it when it is the
// paragraph's last line.
class SelectionBar : public QWidget {
    Q_OBJECT

  public:
    // The strip's width in pixels.
    static constexpr int kWidth = 8;

    explicit SelectionBar(QTextEdit& edit);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    struct Range {
        int start = 0;
        int end = 0;
    };
    // The display line at height `y` of the bar, in document positions.
    Range lineAt(int y) const;
    // Selects from the line or paragraph where the drag began to `to`.
    void selectFrom(const Range& from, const Range& to);

    QTextEdit& edit_;
    bool dragging_ = false;
    Range origin_;
};

}  // namespace sorvel
