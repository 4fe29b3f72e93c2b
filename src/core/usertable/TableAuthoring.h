#pragma once

#include <string>
#include <string_view>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"
#include "usertable/ExampleTables.h"

namespace sorvel {

// Asks before a command puts table text into a document that already holds
// text; true when the command may go on (at once for an empty document).
bool confirmTableDocument(ViewContext& view);

// "Create a Transliteration Table": after the confirmation and a font dialog,
// inserts the template for the chosen font at the selection.
void createTransliterationTable(ViewContext& view);

// "Save a Transliteration Table": writes the document's text as a table file
// (lines ending CR LF, nothing after the end line), then selects the whole
// text and marks the document unchanged. The file is replaced whole or not
// at all; a failed save changes nothing.
void saveTransliterationTable(ViewContext& view);

// The bytes that saving writes for a document's text.
std::string tableFileBytes(std::string_view text);

// "Open a Transliteration Table for Editing": replaces the document's whole
// text by the chosen file's lines. Nothing is loaded.
void openTableForEditing(ViewContext& view);

// "Unload Your Transliteration Table": forgets the table's font (so that the
// table is never used again) and switches user transliteration off.
void unloadTransliterationTable(ViewContext& view);

// The toolbar switch of user transliteration; switching it on switches Pali
// entry off and shows the cross-hair pointer.
void toggleUserTransliteration(ViewContext& view);
// The switch can be used only while a table is loaded, and shows pressed
// while user transliteration is on.
void updateUserTransliterationCommand(const TransliterationState& state, CommandStatus& status);

// "Show me the Transliteration instructions" and the three example tables.
void showTableInstructions(ViewContext& view);
void insertExampleTable(ViewContext& view, ExampleTable example);

inline constexpr std::string_view kConfirmTableDocumentQuestion =
    "Please close all of your open documents and open a New file.\n\nOtherwise, I will put all "
    "of the transliteration information into your current document.\n\nIf you accidentally put "
    "the transliteration information into one of your own documents, just Select the text that "
    "I added and delete that text.\n\nHAVE YOU CLOSED ALL OF YOUR DOCUMENTS, AND OPENED A NEW "
    "FILE?";
inline constexpr std::string_view kTableUnloadedMessage = "Your transliteration table is unloaded!";

}  // namespace sorvel
