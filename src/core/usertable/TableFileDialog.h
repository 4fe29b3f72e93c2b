#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/TextFiles.h"
#include "editor/Platform.h"

namespace sorvel {

// The file dialog of every table command: text files only, "*.txt" as the
// initial name, "txt" added to a name typed without an extension. After OK a
// file whose extension is not "txt" (in any case) is refused with a message.
// Gives the chosen path, or nothing when cancelled or refused.
std::optional<std::string> chooseTableFile(Platform& platform, bool save);

// The message shown when a table file (or any file of these commands) cannot
// be opened, and the one shown when it fails while being read or written.
std::string openFailureMessage(std::string_view path);
std::string readFailureMessage(std::string_view path);
// The message for a file that could not be read whole: one of the two above
// (a folder or a device cannot be opened), or for a file refused as far too
// large.
std::string readWholeFailureMessage(std::string_view path, const FileError& error);

inline constexpr std::string_view kWrongExtensionMessage =
    "The file to save must have the '.txt' file extention!";

}  // namespace sorvel
