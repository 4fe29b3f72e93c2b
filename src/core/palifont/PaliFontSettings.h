#pragma once

#include <string>
#include <string_view>

#include "editor/Platform.h"
#include "editor/TransliterationState.h"
#include "text/FontDescription.h"

namespace sorvel {

// The settings file that remembers the default Pali font from one run to the
// next: thirteen lines in the current working directory, four comment lines,
// the seven numbers of the Font description (mask, effects, height, offset,
// colour, character set, pitch and family), the face name and an end line.
class PaliFontSettings {
  public:
    static constexpr std::string_view kFileName = "Sorvel Default Pali Font.txt";

    // The file's bytes for a format, lines ending CR LF, the last without one.
    static std::string format(const FontDescription& font);
    // The format a file's bytes describe. Every byte string reads as some
    // format: a missing or non-numeric line gives 0, a missing face line an
    // empty face, a longer face is cut to 31 characters. Fields that the file
    // does not hold keep the values of `base`.
    static FontDescription parse(std::string_view bytes, const FontDescription& base = {});
};

// Writes the settings file from the default Pali font, through a temporary
// file and a rename; shows the open-failure message and keeps the previous
// file when that fails.
void saveDefaultPaliFont(Platform& platform, const TransliterationState& state);

// Reads the settings file into the default Pali font. True when the file
// could be read (even if short or garbled); false, with nothing changed, when
// it is missing or cannot be read.
bool loadDefaultPaliFont(TransliterationState& state);

inline constexpr std::string_view kSettingsOpenFailureMessage =
    "Unable to open file:\n\nSorvel Default Pali Font.txt\n\nMake certain that the file is not "
    "opened and in use in some program (such as your word processor).\n\nIf the file is open in "
    "another program, it may be 'locked'.";

}  // namespace sorvel
