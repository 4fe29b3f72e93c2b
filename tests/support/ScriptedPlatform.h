#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/Platform.h"

namespace sorvel::testing {

// A platform that answers every dialog from a script and records everything
// the logic asked of it. A dialog or message that the script did not expect,
// or one that differs from what it expected, fails the running test, and so
// does an expectation left unused when the platform is destroyed.
class ScriptedPlatform : public Platform {
  public:
    enum class Kind { Message, YesNo, FontDialog, FileDialog, YesNoCancel, PasteFormat };

    struct Event {
        Kind kind;
        std::string text;  // message and Yes/No text
        std::optional<FontDialogRequest> font;
        std::optional<FileDialogRequest> file;
        bool utf8 = false;  // a message box given UTF-8 text
    };

    ScriptedPlatform() = default;
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;
    ~ScriptedPlatform() override;

    // An OK box with exactly this text (8-bit, or UTF-8 for messageBoxUtf8).
    ScriptedPlatform& expectMessage(std::string text);
    // A Yes/No box with exactly this text, answered with `yes`.
    ScriptedPlatform& expectYesNo(std::string text, bool yes);
    // A Yes/No/Cancel box with exactly this text, answered with `answer`.
    ScriptedPlatform& expectYesNoCancel(std::string text, Answer answer);
    // The Paste Special dialog offering exactly `formats`, answered with the
    // format of that label (nothing = Cancel).
    ScriptedPlatform& expectPasteFormat(std::vector<std::string> formats,
                                        std::optional<std::string> choice);
    // A font dialog, answered with `choice` (nothing = Cancel). `check` may
    // look at what the dialog was opened with.
    ScriptedPlatform& expectFontDialog(std::optional<FontChoice> choice,
                                       std::function<void(const FontDialogRequest&)> check = {});
    // A file dialog, answered with `path` (nothing = Cancel).
    ScriptedPlatform& expectFileDialog(std::optional<std::string> path,
                                       std::function<void(const FileDialogRequest&)> check = {});
    // A file dialog, answered with `path` (nothing = Cancel) and the type
    // (entry of its filters) `filter`.
    ScriptedPlatform& expectFileDialogOfType(
        std::optional<std::string> path, std::size_t filter,
        std::function<void(const FileDialogRequest&)> check = {});

    void messageBox(std::string_view text) override;
    void messageBoxUtf8(std::string_view utf8) override;
    bool askYesNo(std::string_view text) override;
    // Answered as expectYesNo says; see lastDefaultAnswer.
    bool askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) override;
    std::optional<FontChoice> chooseFont(const FontDialogRequest& request) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> chooseFileAndType(const FileDialogRequest& request) override;
    Answer askYesNoCancel(std::string_view text) override;
    std::optional<std::size_t> choosePasteFormat(const std::vector<std::string>& formats) override;
    void setCursorShape(CursorShape shape) override;
    int showCursor(bool show) override;
    // Status-bar notes need no answer: they are recorded, not scripted.
    void showStatus(std::string_view utf8) override { statuses_.emplace_back(utf8); }

    const std::vector<Event>& events() const { return events_; }
    std::vector<std::string> messages() const;
    const std::vector<std::string>& statuses() const { return statuses_; }
    bool scriptDone() const { return script_.empty(); }
    std::optional<CursorShape> cursorShape() const { return cursor_; }
    int cursorCount() const { return cursorCount_; }
    int cursorHides() const { return hides_; }
    // The default button of the last Yes/No box that named one.
    std::optional<Answer> lastDefaultAnswer() const { return defaultAnswer_; }

  private:
    struct Step {
        Kind kind = Kind::Message;
        std::string text;
        bool yes = false;
        Answer answer = Answer::Cancel;
        std::vector<std::string> formats;
        std::optional<FontChoice> font;
        std::optional<std::string> path;
        std::optional<std::size_t> filter;  // of a file dialog; none: as it opened
        std::function<void(const FontDialogRequest&)> checkFont;
        std::function<void(const FileDialogRequest&)> checkFile;
    };

    // The next step if it is of `kind`; fails the test otherwise.
    std::optional<Step> next(Kind kind, std::string_view what);

    std::deque<Step> script_;
    std::vector<Event> events_;
    std::vector<std::string> statuses_;
    std::optional<CursorShape> cursor_;
    int cursorCount_ = 0;
    int hides_ = 0;
    std::optional<Answer> defaultAnswer_;
};

}  // namespace sorvel::testing
