#pragma once

#include <string>
#include <string_view>

#include "editor/Platform.h"
#include "editor/TransliterationState.h"
#include "text/FontDescription.h"

namespace sorvel {

// The settings file that remembers the default Pali font from one run to the
// next: thirteen lines in the program's settings folder, four comment lines,
// the seven numbers of the Font description (mask, effects, height, offset,
// colour, character set, pitch and family), the face name and an end line.
//
// It lives with the program's other settings, not in the working directory:
// a program started from another folder would otherwise forget the font and
// leave a copy of the file in every folder it was started from.
class PaliFontSettings {
  public:
    static constexpr std::string_view kFileName = "Sorvel Default Pali Font.txt";

    // The file in `folder`; the bare name (the working directory) for an
    // empty folder.
    static std::string path(const std::string& folder);

    // The file's bytes for a format, lines ending CR LF, the last without one.
    static std::string format(const FontDescription& font);
    // The format a file's bytes describe. Every byte string reads as some
    // format: a missing or non-numeric line gives 0, a missing face line an
    // empty face, a longer face is cut to 31 characters. Fields that the file
    // does not hold keep the values of `base`.
    static FontDescription parse(std::string_view bytes, const FontDescription& base = {});
};

// Writes the settings file in the state's settings folder (made when
// missing) from the default Pali font, through a temporary file and a
// rename; shows the open-failure message and keeps the previous file when
// that fails.
void saveDefaultPaliFont(Platform& platform, const TransliterationState& state);

// Reads the settings file of the state's settings folder into the default
// Pali font. True when the file could be read (even if short or garbled);
// false, with nothing changed, when it is missing or cannot be read. When
// the folder has no such file but the working directory has one (where
// earlier versions kept it), that one is read and copied into the folder,
// once: from then on the folder's file is the one.
bool loadDefaultPaliFont(TransliterationState& state);

// The message when the settings file at `path` cannot be written.
std::string settingsOpenFailureMessage(const std::string& path);

}  // namespace sorvel
