#pragma once

#include <string_view>

#include "editor/TransliterationState.h"
#include "pali/PaliFontKind.h"

namespace sorvel {

// The kind of a face: the loaded user table's font first (a face that begins
// with its name, whether the table is switched on or not), then the five Pali
// font prefixes.
PaliFontKind identifyPaliFont(std::string_view faceName, const TransliterationState& state);

}  // namespace sorvel
