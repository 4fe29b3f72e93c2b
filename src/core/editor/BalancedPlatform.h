#pragma once

#include "editor/Platform.h"

namespace sorvel {

// A platform that hands everything on to another one and keeps count of the
// pointer hides that have no show yet, so that a caller can give the pointer
// back on every path out of a piece of work.
class BalancedPlatform : public Platform {
  public:
    explicit BalancedPlatform(Platform& inner) : inner_(inner) {}

    void messageBox(std::string_view text) override { inner_.messageBox(text); }
    void messageBoxUtf8(std::string_view utf8) override { inner_.messageBoxUtf8(utf8); }
    bool askYesNo(std::string_view text) override { return inner_.askYesNo(text); }
    bool askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) override {
        return inner_.askYesNoUtf8(utf8, defaultAnswer);
    }
    std::optional<FontChoice> chooseFont(const FontDialogRequest& request) override {
        return inner_.chooseFont(request);
    }
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
        return inner_.chooseFile(request);
    }
    std::optional<FileChoice> chooseFileAndType(const FileDialogRequest& request) override {
        return inner_.chooseFileAndType(request);
    }
    Answer askYesNoCancel(std::string_view text) override { return inner_.askYesNoCancel(text); }
    std::optional<std::size_t> choosePasteFormat(const std::vector<std::string>& formats) override {
        return inner_.choosePasteFormat(formats);
    }
    void showStatus(std::string_view utf8) override { inner_.showStatus(utf8); }
    void setCursorShape(CursorShape shape) override { inner_.setCursorShape(shape); }
    int showCursor(bool show) override {
        unbalanced_ += show ? -1 : 1;
        return inner_.showCursor(show);
    }

    // Shows the pointer once for every hide that is still open.
    void rebalance() {
        while (unbalanced_ > 0) {
            showCursor(true);
        }
    }
    int unbalanced() const { return unbalanced_; }

  private:
    Platform& inner_;
    int unbalanced_ = 0;
};

}  // namespace sorvel
