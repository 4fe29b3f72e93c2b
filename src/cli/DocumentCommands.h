#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "docformat/DocumentError.h"
#include "docformat/DocumentReport.h"

namespace sorvel {

class ConvertTool;

// A document error as one line for the console: the user's message, then
// what the system said.
std::string describeDocumentError(const DocumentError& error);

// How many characters of each code page or font a "left out:" line names.
inline constexpr std::size_t kCharactersListed = 10;

// What a document could not keep, one "left out:" line per kind (formatting
// as "left out: formatting: ..."); nothing when it kept everything.
void printLeftOut(const DocumentReport& report, std::ostream& err);

// Registers the commands that read and write documents: text and save.
void addDocumentCommands(ConvertTool& tool);

}  // namespace sorvel
