#pragma once

#include <QLabel>
#include <QObject>

#include "app/X11LockKeys.h"

class QStatusBar;

namespace sorvel {

// The status bar's CAP, NUM and SCRL panes, each showing its text while its
// lock key is on.
//
// On X11 the states are read from the keyboard extension whenever a key goes
// down or up in the program and when its window becomes active, so they stay
// right also when a lock key was pressed in another program. Elsewhere Qt
// cannot read them: there each pane starts off and turns over when its lock
// key is pressed in the program.
class LockKeyIndicators : public QObject {
    Q_OBJECT

  public:
    explicit LockKeyIndicators(QStatusBar& bar);

    const LockKeyStates& states() const { return states_; }
    // Whether the states come from the keyboard extension.
    bool readFromServer() const { return display_ != nullptr; }
    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show();

    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    void* display_ = nullptr;
    LockKeyStates states_;
};

}  // namespace sorvel
