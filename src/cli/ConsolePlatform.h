#pragma once

#include <ostream>

#include "editor/Platform.h"

namespace sorvel {

// The platform of the command-line tool: messages go to an error stream,
// every dialog is answered with Cancel (or No), and there is no pointer.
class ConsolePlatform : public Platform {
  public:
    explicit ConsolePlatform(std::ostream& err) : err_(err) {}

    void messageBox(std::string_view text) override;
    // The console takes UTF-8 as it is.
    void messageBoxUtf8(std::string_view utf8) override { messageBox(utf8); }
    bool askYesNo(std::string_view text) override;
    bool askYesNoUtf8(std::string_view utf8, Answer) override { return askYesNo(utf8); }
    std::optional<FontChoice> chooseFont(const FontDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    void setCursorShape(CursorShape) override {}
    int showCursor(bool show) override { return show ? ++count_ : --count_; }

    int messageCount() const { return messages_; }

  private:
    std::ostream& err_;
    int count_ = 0;
    int messages_ = 0;
};

}  // namespace sorvel
