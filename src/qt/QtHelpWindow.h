#pragma once

#include "help/HelpWindow.h"

class QWidget;

namespace sorvel {

// The help window of the program: each topic runs a new help dialog modally,
// over `parent` (the main window), and the dialog goes when it is closed.
class QtHelpWindow : public HelpWindow {
  public:
    explicit QtHelpWindow(QWidget* parent = nullptr) : parent_(parent) {}

    void run(const std::string& caption, const std::string& text) override;

  private:
    QWidget* parent_;
};

}  // namespace sorvel
