#include "editor/FormattingCommands.h"

#include "editor/FontDialogRules.h"

namespace sorvel {

// Bits of a character effect: the mask bit and the effect bit have one value.
void FormattingCommands::toggleEffect(ViewContext& view, uint32_t bit) {
    const FontDescription current = view.surface.getCharFormatSelection();
    FontDescription apply;
    apply.mask = bit;
    if (current.has(bit)) {
        apply.effects = (current.effects & bit) ^ bit;
    } else {
        apply.effects = bit;
    }
    view.surface.setCharFormat(apply);
}

void FormattingCommands::updateEffect(ViewContext& view, CommandStatus& status, uint32_t bit) {
    const FontDescription current = view.surface.getCharFormatSelection();
    if (!current.has(bit)) {
        status.check = 2;
    } else {
        status.check = (current.effects & bit) ? 1 : 0;
    }
}

void FormattingCommands::toggleBold(ViewContext& view) {
    toggleEffect(view, charmask::Bold);
}
void FormattingCommands::toggleItalic(ViewContext& view) {
    toggleEffect(view, charmask::Italic);
}
void FormattingCommands::toggleUnderline(ViewContext& view) {
    toggleEffect(view, charmask::Underline);
}
void FormattingCommands::toggleStrikeout(ViewContext& view) {
    toggleEffect(view, charmask::StrikeOut);
}
void FormattingCommands::updateBold(ViewContext& view, CommandStatus& status) {
    updateEffect(view, status, charmask::Bold);
}
void FormattingCommands::updateItalic(ViewContext& view, CommandStatus& status) {
    updateEffect(view, status, charmask::Italic);
}
void FormattingCommands::updateUnderline(ViewContext& view, CommandStatus& status) {
    updateEffect(view, status, charmask::Underline);
}
void FormattingCommands::updateStrikeout(ViewContext& view, CommandStatus& status) {
    updateEffect(view, status, charmask::StrikeOut);
}

void FormattingCommands::align(ViewContext& view, uint16_t value) {
    ParaFormat p = view.surface.getParaFormatSelection();
    p.alignment = value;
    p.mask = paramask::Alignment;
    view.surface.setParaFormat(p);
}

void FormattingCommands::updateAlign(ViewContext& view, CommandStatus& status, uint16_t value) {
    const ParaFormat p = view.surface.getParaFormatSelection();
    // Lines always wrap at the window's width here, so alignment always applies.
    status.enabled = true;
    if (!(p.mask & paramask::Alignment)) {
        status.check = 2;
    } else {
        status.check = p.alignment == value ? 1 : 0;
    }
}

void FormattingCommands::alignLeft(ViewContext& view) {
    align(view, alignment::Left);
}
void FormattingCommands::alignCenter(ViewContext& view) {
    align(view, alignment::Center);
}
void FormattingCommands::alignRight(ViewContext& view) {
    align(view, alignment::Right);
}
void FormattingCommands::updateAlignLeft(ViewContext& view, CommandStatus& status) {
    updateAlign(view, status, alignment::Left);
}
void FormattingCommands::updateAlignCenter(ViewContext& view, CommandStatus& status) {
    updateAlign(view, status, alignment::Center);
}
void FormattingCommands::updateAlignRight(ViewContext& view, CommandStatus& status) {
    updateAlign(view, status, alignment::Right);
}

void FormattingCommands::toggleBullets(ViewContext& view) {
    ParaFormat p = view.surface.getParaFormatSelection();
    if ((p.mask & paramask::Numbering) && p.numbering == numbering::Bullet) {
        p.numbering = numbering::None;
        p.startIndent = 0;
        p.offset = 0;
        p.mask = paramask::Numbering | paramask::StartIndent | paramask::Offset;
    } else {
        p.numbering = numbering::Bullet;
        if (p.offset != 0) {
            p.mask = paramask::Numbering;
        } else {
            // The start indent applied is the first selected paragraph's.
            p.offset = kBulletIndent;
            p.mask = paramask::Numbering | paramask::StartIndent | paramask::Offset;
        }
    }
    view.surface.setParaFormat(p);
}

void FormattingCommands::updateBullets(ViewContext& view, CommandStatus& status) {
    const ParaFormat p = view.surface.getParaFormatSelection();
    if (!(p.mask & paramask::Numbering)) {
        status.check = 2;
    } else {
        status.check = p.numbering == numbering::Bullet ? 1 : 0;
    }
}

void FormattingCommands::shiftIndent(ViewContext& view, int32_t step) {
    const ParaFormat read = view.surface.getParaFormatSelection();
    if (step > 0 ? read.startIndent >= kMaxIndent : read.startIndent <= 0) {
        return;
    }
    ParaFormat p;
    p.mask = paramask::StartIndent | paramask::StartIndentRelative;
    p.startIndent = step;
    view.surface.setParaFormat(p);
}

void FormattingCommands::increaseIndent(ViewContext& view) {
    shiftIndent(view, kIndentStep);
}
void FormattingCommands::decreaseIndent(ViewContext& view) {
    shiftIndent(view, -kIndentStep);
}

std::string FormattingCommands::modesOffNote(bool paliEntryWentOff, bool userTableWentOff,
                                             std::string_view command) {
    std::string note;
    if (paliEntryWentOff) {
        note = "Pali transliteration is now off: \"" + std::string(command) +
               "\" turns it off. Ctrl+J turns it on again.";
    }
    if (userTableWentOff) {
        if (!note.empty()) {
            note += ' ';
        }
        note += "User transliteration is now off: \"" + std::string(command) + "\" turns it off";
        if (command == kChangeSelectionFontCommand) {
            note += ", unless you choose your table's own font";
        }
        note += ". The toolbar button turns it on again.";
    }
    return note;
}

namespace {

// Tells in the status bar which modes a font command switched off.
void reportModesOff(ViewContext& view, bool paliEntryWasOn, bool userTableWasOn,
                    std::string_view command) {
    const std::string note =
        FormattingCommands::modesOffNote(paliEntryWasOn && !view.state.paliEntryOn,
                                         userTableWasOn && !view.state.userTableOn, command);
    if (!note.empty()) {
        view.platform.showStatus(note);
    }
}

}  // namespace

void FormattingCommands::setDefaultFont(ViewContext& view) {
    TransliterationState& state = view.state;
    const bool paliEntryWasOn = state.paliEntryOn;
    const bool userTableWasOn = state.userTableOn;
    state.paliEntryOn = false;
    state.userTableOn = false;
    const auto chosen = FontDialogRules::run(view.platform, state.plainFormat);
    reportModesOff(view, paliEntryWasOn, userTableWasOn, kSetDefaultFontCommand);
    if (!chosen) {
        return;
    }
    state.plainFormat = *chosen;
    view.surface.setCharFormat(state.plainFormat);
    // Keep what the surface made of it, so that the plain format is complete.
    state.plainFormat = view.surface.getCharFormatSelection();
}

void FormattingCommands::changeSelectionFont(ViewContext& view) {
    TransliterationState& state = view.state;
    const bool paliEntryWasOn = state.paliEntryOn;
    const bool userTableWasOn = state.userTableOn;
    state.paliEntryOn = false;
    state.userTableOn = false;
    const FontDescription current = view.surface.getCharFormatSelection();
    const auto chosen =
        FontDialogRules::run(view.platform, current, FontList::ScreenAndPrinterNoVector);
    if (chosen) {
        view.surface.setCharFormat(*chosen);
        // Text in the loaded table's own font is what the table types in:
        // choosing that font keeps user transliteration on.
        const std::string_view tableFont = state.userTableFont;
        state.userTableOn = userTableWasOn && !tableFont.empty() &&
                            chosen->faceName.view().substr(0, tableFont.size()) == tableFont;
    }
    reportModesOff(view, paliEntryWasOn, userTableWasOn, kChangeSelectionFontCommand);
}

void FormattingCommands::copyAllText(ViewContext& view) {
    view.surface.setSel(0, -1);
    view.surface.copy();
    view.surface.setSel(0, 0);
}

}  // namespace sorvel
