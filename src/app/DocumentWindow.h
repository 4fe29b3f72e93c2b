#pragma once

#include <QMdiSubWindow>
#include <QPointer>

#include "app/Document.h"

namespace sorvel {

class EditorView;

// A document window: one editor view of a document inside the main window's
// document area. Closing the last window of a changed document asks whether
// to save it first.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT

  public:
    explicit DocumentWindow(EditorView* view, Document* document = nullptr,
                            QWidget* parent = nullptr);
    ~DocumentWindow() override;

    EditorView* view() const { return view_; }
    Document* document() const { return document_; }

    // Places the window where the program puts a new one (see
    // EditorView::placement) and remembers that place.
    void place(const QRect& geometry);
    // Whether the window still stands where it was last placed, shown
    // normally: then it follows the document area's size.
    bool standsWherePlaced() const;

  signals:
    // The window is closing for good (not when its closing was refused).
    void closing(DocumentWindow* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    EditorView* view_;
    QPointer<Document> document_;
    QRect placed_;
};

}  // namespace sorvel
