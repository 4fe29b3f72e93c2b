#pragma once

#include <QMainWindow>

class QMdiArea;

namespace sorvel {

class CChildFrame;
class CSorvelView;
class Platform;
struct TransliterationState;

// The main window: a document area with the document windows, and a menu.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(Platform& platform, TransliterationState& state, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a document window on a new empty document ("RuvoVIR1", ...).
    CChildFrame* newDocument();
    QMdiArea* documentArea() const { return area_; }
    // The view of the active document window, or none.
    CSorvelView* activeView() const;

  private:
    void updateTitle();

    Platform& platform_;
    TransliterationState& state_;
    QMdiArea* area_;
    int documentCount_ = 0;
};

}  // namespace sorvel
