#include "qt/QtHelpWindow.h"

#include "qt/HelpTopicDialog.h"

namespace sorvel {

void QtHelpWindow::run(const std::string& caption, const std::string& text) {
    HelpTopicDialog dialog(parent_);
    dialog.setTitle(caption);
    dialog.setText(text);
    dialog.exec();
}

}  // namespace sorvel
