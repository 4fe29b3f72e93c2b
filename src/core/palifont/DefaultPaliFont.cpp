#include "palifont/DefaultPaliFont.h"

#include "editor/FontDialogRules.h"
#include "pali/PaliFontKind.h"
#include "palifont/PaliFontSettings.h"

namespace sorvel {

bool chooseDefaultPaliFont(ViewContext& view) {
    view.platform.messageBox(kChooseOneOfFiveMessage);
    FontDescription& pali = view.state.defaultPaliFormat;
    if (pali.faceName.empty()) {
        pali = view.surface.getCharFormatSelection();
    }
    // The dialog's answer starts from the format it was opened with, so the
    // fields it does not offer keep their values.
    const std::optional<FontDescription> chosen = FontDialogRules::run(view.platform, pali);
    if (!chosen) {
        return false;
    }
    pali = *chosen;
    if (view.state.paliEntryOn) {
        view.surface.setCharFormat(pali);
    }
    saveDefaultPaliFont(view.platform, view.state);
    if (paliFontByPrefix(pali.faceName) == PaliFontKind::NoPaliFont) {
        view.platform.messageBox(notAPaliFontMessage(pali.faceName));
    }
    return true;
}

void changeDefaultPaliFont(ViewContext& view) {
    chooseDefaultPaliFont(view);
}

std::string notAPaliFontMessage(std::string_view faceName) {
    std::string text = "Pali entry will not transliterate in the font \"";
    text += faceName;
    text +=
        "\": it is not one of the five Pali fonts that Sorvel understands.\n\nPali entry "
        "types the Pali letters only in:\n\n1. VriRomanPali\n2. Times_CSX+\n3. SKT_Times\n4. "
        "LeedsBit PaliTranslit\n5. Times_Norman\n\nThe font is kept as your default Pali font. "
        "To type Pali, choose one of the five with \"Change Default Pali Font\".";
    return text;
}

void togglePaliEntry(ViewContext& view) {
    TransliterationState& state = view.state;
    state.paliEntryOn = !state.paliEntryOn;
    state.userTableOn = false;
    if (state.defaultPaliFormat.faceName.empty()) {
        view.platform.messageBox(kNoPaliFontYetMessage);
        if (!chooseDefaultPaliFont(view)) {
            // Without a Pali font, Pali entry would be on while typing gives
            // no Pali: it stays off, the font unchosen, and its button says
            // so.
            state.defaultPaliFormat = FontDescription{};
            if (state.paliEntryOn) {
                state.paliEntryOn = false;
                view.platform.showStatus(kNoPaliFontChosenNote);
            }
        }
    }
    if (state.paliEntryOn) {
        view.surface.setCharFormat(state.defaultPaliFormat);
        view.platform.setCursorShape(CursorShape::SizeNS);
    } else {
        view.surface.setCharFormat(state.plainFormat);
    }
}

void updatePaliEntryCommand(const TransliterationState& state, CommandStatus& status) {
    status.enabled = true;
    status.check = state.paliEntryOn ? 1 : 0;
}

bool onSetCursor(ViewContext& view) {
    const TransliterationState& state = view.state;
    CursorShape shape = CursorShape::Arrow;
    const FontDescription* format = &state.plainFormat;
    if (state.paliEntryOn) {
        shape = CursorShape::SizeNS;
        format = &state.defaultPaliFormat;
    } else if (state.userTableOn) {
        shape = CursorShape::Cross;
        format = &state.userTableFormat;
    }
    view.platform.setCursorShape(shape);
    if (view.surface.getSel().empty()) {
        view.surface.setCharFormat(*format);
    }
    return true;
}

}  // namespace sorvel
