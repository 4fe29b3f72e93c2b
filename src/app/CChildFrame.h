#pragma once

#include <QMdiSubWindow>

namespace sorvel {

class CSorvelView;

// A document window: one editor view inside the main window's document area.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    explicit CChildFrame(CSorvelView* view, QWidget* parent = nullptr);

    CSorvelView* view() const { return view_; }

  private:
    CSorvelView* view_;
};

}  // namespace sorvel
