#pragma once

#include <array>
#include <string>
#include <string_view>

#include "pali/PaliFontKind.h"

namespace sorvel {

// The legacy Pali fonts are not carried by any free distribution, so Sorvel
// makes free stand-ins for them at build time: one family per Pali font, in
// four styles, drawing the Pali letters at that font's byte codes. Installed,
// they carry names of Sorvel's own ("Sorvel Pali VRI"); inside the program
// they are registered under the face names documents carry, wherever no real
// font of that name is installed.

// A face name under which documents carry one of the five Pali fonts.
struct PaliFaceName {
    std::string_view face;
    PaliFontKind kind;
};

// Every spelling of the five fonts that documents are known to carry; each
// is recognised as its font by its prefix.
const std::array<PaliFaceName, 7>& paliFaceNames();

// The family of Sorvel's own stand-in for one of the five Pali fonts.
std::string_view standInFamily(PaliFontKind kind);

// One of the four styles a stand-in comes in.
struct StandInStyle {
    std::string_view suffix;  // of the file name: "BoldItalic"
    std::string_view name;    // the style as fonts name it: "Bold Italic"
    bool bold;
    bool italic;
};

const std::array<StandInStyle, 4>& standInStyles();

// The file a stand-in family or face is made as in one style: its name
// without blanks, a hyphen, the style's suffix and ".ttf"
// ("VriRomanPaliCN-BoldItalic.ttf").
std::string standInFileName(std::string_view family, const StandInStyle& style);

}  // namespace sorvel
