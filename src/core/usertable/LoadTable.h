#pragma once

#include <string>

#include "editor/ViewContext.h"
#include "usertable/TableFile.h"

namespace sorvel {

// "Load a Transliteration Table": asks for a table file, checks and loads it
// as the user table, puts the table's format at the selection, switches user
// transliteration on (and Pali entry off) and shows the cross-hair pointer.
// A cancelled, refused or failed load changes nothing.
void loadTransliterationTable(ViewContext& view);

// The load itself, from a path already chosen: false after the message that
// explains why the file was refused (nothing changed then).
bool loadTableFromFile(ViewContext& view, const std::string& path);

// Makes `table` the user table of `state`: its entries closed by the end
// pair, its font name (when it names one) and the format built from it.
void installUserTable(TransliterationState& state, const TableFile& table);

}  // namespace sorvel
