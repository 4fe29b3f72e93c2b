#include "qt/QtHelpWindow.h"

#include "qt/CHelpTopicDlg.h"

namespace sorvel {

void QtHelpWindow::run(const std::string& caption, const std::string& text) {
    CHelpTopicDlg dialog(parent_);
    dialog.setTitle(caption);
    dialog.setText(text);
    dialog.exec();
}

}  // namespace sorvel
