#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/FontDescription.h"

namespace sorvel {

enum class CursorShape { Arrow, IBeam, Cross, SizeNS };

// The buttons of a Yes/No/Cancel box.
enum class Answer { Yes, No, Cancel };

// Which fonts a font dialog lists, and whether a typed name must exist.
enum class FontList {
    ScreenOnly,                // the program's own commands
    ScreenAndPrinterNoVector,  // the editor's plain font command
};

// What a font dialog is opened with. The groups it offers follow from the
// initial description's mask (see FontDialogRules).
struct FontDialogRequest {
    FontDescription initial;
    FontList fonts = FontList::ScreenOnly;
    bool mustExist = true;
    bool offerStyle = false;    // bold and italic
    bool offerEffects = false;  // underline, strike-out and colour
    bool offerCharSet = false;
};

// What the user chose in a font dialog, as the dialog reports it. Fields of a
// group the dialog did not offer hold the values it was opened with.
struct FontChoice {
    std::string faceName;
    uint8_t pitchAndFamily = 0;
    int pointSizeTenths = 120;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint32_t color = 0;
    uint8_t charSet = 0;
};

// One entry of a file dialog's type list: a label ("Text Files") and its
// patterns, separated by ";" ("*.txt"). "*" matches every file.
struct FileFilter {
    std::string label;
    std::string pattern;

    // What the dialog's list shows: the label with the patterns once,
    // "Text Files (*.txt)".
    std::string shown() const;
};

struct FileDialogRequest {
    bool save = false;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // without the dot; added to a name typed without one
    std::string initialName;
    bool hideReadOnly = true;
    std::size_t selectedFilter = 0;  // the entry of `filters` chosen at first
};

// What the user chose in a file dialog: the full path, and the entry of the
// request's filters that was chosen when the dialog closed.
struct FileChoice {
    std::string path;
    std::size_t filter = 0;
};

// What the logic asks of the desktop beyond the text surface: message boxes
// (titled with the program's name), the font and file dialogs, and the mouse
// pointer. The program implements it with real dialogs; tests with a script.
class Platform {
  public:
    virtual ~Platform() = default;

    // An OK message box.
    virtual void messageBox(std::string_view text) = 0;
    // An OK message box whose text is UTF-8, for messages that name
    // characters beyond the 8-bit code page. Where the desktop shows only
    // 8-bit text, such characters become question marks.
    virtual void messageBoxUtf8(std::string_view utf8);
    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    // A Yes/No box whose text is UTF-8 and whose default button (the one
    // Enter presses) is `defaultAnswer`, for a question whose Yes cannot be
    // undone. Where the desktop shows only 8-bit text, characters beyond it
    // become question marks.
    virtual bool askYesNoUtf8(std::string_view utf8, Answer defaultAnswer);
    // A modal font dialog; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontDialogRequest& request) = 0;
    // A modal file dialog; the full path, or nothing when cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
    // The same dialog, telling also which type (filter) was chosen, for the
    // callers whose type decides what is written. Where the desktop cannot
    // tell, the type is the one the dialog opened with.
    virtual std::optional<FileChoice> chooseFileAndType(const FileDialogRequest& request);
    // A Yes/No/Cancel message box. Where the desktop has no such box, a
    // Yes/No box stands in for it.
    virtual Answer askYesNoCancel(std::string_view text) {
        return askYesNo(text) ? Answer::Yes : Answer::No;
    }
    // The Paste Special dialog: one of `formats` (their labels), as an index,
    // or nothing when cancelled. Nothing where the desktop has no dialogs.
    virtual std::optional<std::size_t> choosePasteFormat(const std::vector<std::string>& formats) {
        (void)formats;
        return std::nullopt;
    }
    // A note in the status bar (UTF-8), for what the user should know but
    // need not answer. Nothing where the desktop has no status bar.
    virtual void showStatus(std::string_view utf8) { (void)utf8; }
    virtual void setCursorShape(CursorShape shape) = 0;
    // Hides (false) or shows (true) the mouse pointer; gives the display count,
    // which must come back to where it was once every hide has its show.
    virtual int showCursor(bool show) = 0;
};

}  // namespace sorvel
