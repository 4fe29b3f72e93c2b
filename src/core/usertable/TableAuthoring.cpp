#include "usertable/TableAuthoring.h"

#include "common/TextFiles.h"
#include "common/TextLines.h"
#include "editor/FontDialogRules.h"
#include "usertable/TableFileDialog.h"
#include "usertable/TableTexts.h"

namespace sorvel {

namespace {

constexpr std::string_view kCheckedEndPrefix = "END OF TRANSLITERATION";

// Puts `text` in place of the selection, not recorded for undo, and leaves
// the caret at the start of the document.
void insertAndReturnToStart(ViewContext& view, std::string_view text) {
    view.surface.replaceSel(text, false);
    view.surface.setSel(0, 0);
}

}  // namespace

bool confirmTableDocument(ViewContext& view) {
    if (view.surface.getTextLength() == 0) {
        return true;
    }
    return view.platform.askYesNo(kConfirmTableDocumentQuestion);
}

void createTransliterationTable(ViewContext& view) {
    if (!confirmTableDocument(view)) {
        return;
    }
    const std::optional<FontDescription> font =
        FontDialogRules::run(view.platform, view.surface.getCharFormatSelection());
    if (!font) {
        return;
    }
    insertAndReturnToStart(view, tableTemplate(font->faceName));
}

std::string tableFileBytes(std::string_view text) {
    std::string remaining(text);
    // A text that already ends with a line end needs no other: one more would
    // add an empty line each time a file is opened and saved again.
    if (!remaining.ends_with('\n')) {
        remaining += '\n';
    }
    std::string out;
    out.reserve(remaining.size() + remaining.size() / 16);
    std::string_view rest(remaining);
    while (!rest.empty()) {
        const std::size_t lf = rest.find('\n');
        std::string line;
        for (char c : rest.substr(0, lf)) {
            if (c != '\r') {
                line += c;
            }
        }
        rest.remove_prefix(lf + 1);
        out += line;
        out += "\r\n";
        if (line.starts_with(kCheckedEndPrefix)) {
            break;
        }
    }
    return out;
}

void saveTransliterationTable(ViewContext& view) {
    const std::optional<std::string> path = chooseTableFile(view.platform, true);
    if (!path) {
        return;
    }
    if (!writeFileAtomically(*path, tableFileBytes(view.surface.getWindowText()))) {
        view.platform.messageBox(openFailureMessage(*path));
        return;
    }
    view.surface.setSel(0, -1);
    view.surface.setModify(false);
}

void openTableForEditing(ViewContext& view) {
    if (!confirmTableDocument(view)) {
        return;
    }
    const std::optional<std::string> path = chooseTableFile(view.platform, false);
    if (!path) {
        return;
    }
    FileError error;
    const std::optional<std::string> bytes = readWholeFile(*path, &error);
    if (!bytes) {
        view.platform.messageBox(readWholeFailureMessage(*path, error));
        return;
    }
    std::string text;
    text.reserve(bytes->size() + bytes->size() / 16 + 2);
    for (std::string_view line : splitTextLines(*bytes)) {
        text += line;
        text += "\r\n";
    }
    view.surface.setWindowText(text);
}

void unloadTransliterationTable(ViewContext& view) {
    view.state.userTableOn = false;
    view.state.userTableFont.clear();
    view.platform.messageBox(kTableUnloadedMessage);
}

void toggleUserTransliteration(ViewContext& view) {
    view.state.userTableOn = !view.state.userTableOn;
    view.state.paliEntryOn = false;
    if (view.state.userTableOn) {
        view.platform.setCursorShape(CursorShape::Cross);
    }
}

void updateUserTransliterationCommand(const TransliterationState& state, CommandStatus& status) {
    status.enabled = !state.userTableFont.empty();
    status.check = status.enabled && state.userTableOn ? 1 : 0;
}

void showTableInstructions(ViewContext& view) {
    if (confirmTableDocument(view)) {
        insertAndReturnToStart(view, tableInstructions());
    }
}

void insertExampleTable(ViewContext& view, ExampleTable example) {
    if (confirmTableDocument(view)) {
        insertAndReturnToStart(view, exampleTableText(example));
    }
}

}  // namespace sorvel
