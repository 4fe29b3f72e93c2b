#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

class QListWidget;

namespace sorvel {

// "More Windows...": every open document window in a list, the active one
// chosen at first; OK (or a double click) activates the window chosen.
class WindowListDialog : public QDialog {
    Q_OBJECT

  public:
    WindowListDialog(const QStringList& titles, std::optional<int> active,
                     QWidget* parent = nullptr);

    // The window chosen, counted in the order of the titles.
    std::optional<int> chosen() const;
    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
};

}  // namespace sorvel
