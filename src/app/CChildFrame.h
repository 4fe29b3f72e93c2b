#pragma once

#include <QMdiSubWindow>
#include <QPointer>

#include "app/CSorvelDoc.h"

namespace sorvel {

class CSorvelView;

// A document window: one editor view of a document inside the main window's
// document area. Closing the last window of a changed document asks whether
// to save it first.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    explicit CChildFrame(CSorvelView* view, CSorvelDoc* document = nullptr,
                         QWidget* parent = nullptr);
    ~CChildFrame() override;

    CSorvelView* view() const { return view_; }
    CSorvelDoc* document() const { return document_; }

  signals:
    // The window is closing for good (not when its closing was refused).
    void closing(CChildFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CSorvelView* view_;
    QPointer<CSorvelDoc> document_;
};

}  // namespace sorvel
