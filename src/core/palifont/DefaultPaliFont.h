#pragma once

#include <string>
#include <string_view>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"

namespace sorvel {

// "Change Default Pali Font": reminds the user which fonts Sorvel knows, lets
// them choose the default Pali font in the font dialog, puts it at the
// selection while Pali entry is on, and remembers it in the settings file.
// When no default has been chosen yet, the selection's own format becomes the
// default before the dialog opens, and stays so when the dialog is cancelled.
// A font that is none of the five Pali fonts is kept all the same, and the
// user is told that Pali entry will not transliterate in it.
void changeDefaultPaliFont(ViewContext& view);
// The same; true when a font was chosen, false when the dialog was cancelled.
bool chooseDefaultPaliFont(ViewContext& view);

// "Activate or Deactivate Pali Transliteration" (Ctrl+J): switches Pali entry
// on or off (and user transliteration off), asks for a default Pali font when
// none has been chosen, and puts the mode's font at the selection. When that
// dialog is cancelled, Pali entry stays off (with a note in the status bar)
// and no default Pali font is chosen, so that the next Ctrl+J asks again.
void togglePaliEntry(ViewContext& view);
// The command is always available and shows checked while Pali entry is on.
void updatePaliEntryCommand(const TransliterationState& state, CommandStatus& status);

// The view's handling of the mouse pointer over it: the pointer shows the
// active mode (north-south arrow for Pali entry, cross-hair for a user table,
// arrow otherwise), and with nothing selected the mode's font is put back at
// the caret. Always handled, so the text pointer never shows.
bool onSetCursor(ViewContext& view);

inline constexpr std::string_view kChooseOneOfFiveMessage =
    "Please be certain to choose one of the five Pali fonts that Sorvel understands.\n\nThese "
    "are:\n\n1. VriRomanPali\n2. Times_CSX+\n3. Skt Times\n4. Leedsbit PaliTranslit\n5. "
    "Times_Norman\n\nThis font will only be active if you have Pali transliteration turned on. "
    "There is a toolbar button you can use to turn Pali on and off at any time (or you can use "
    "Ctrl+J to turn it on and off).";

inline constexpr std::string_view kNoPaliFontChosenNote =
    "Pali transliteration is off: no default Pali font was chosen. Press Ctrl+J to choose one.";
// What the user is told after choosing a default Pali font that is none of
// the five: typing in it stays as typed, and which fonts would work.
std::string notAPaliFontMessage(std::string_view faceName);

inline constexpr std::string_view kNoPaliFontYetMessage =
    "You have not yet chosen a Pali font to use for transliteration.\n\nYou will only have to do "
    "this once each time you use Sorvel.\n\nIf you later wish to change your default Pali font, "
    "use the toolbar option: 'Choose a Pali Font'\n\nYou can change your default Pali font "
    "anytime, anywhere in your document. I will not change the font of existing Pali text. This "
    "allows you to use more than one Pali font in your document at the same time.\n\nIf you have "
    "existing Pali text in your document and you wish to change it to a different Pali font, use "
    "the toolbar button 'Convert Pali font of Selected Text'.";

}  // namespace sorvel
