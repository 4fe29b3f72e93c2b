#pragma once

#include <string>

#include "docformat/DocumentError.h"

namespace sorvel {

class ConvertTool;

// A document error as one line for the console: the user's message, then
// what the system said.
std::string describeDocumentError(const DocumentError& error);

// Registers the commands that read and write documents: text and save.
void addDocumentCommands(ConvertTool& tool);

}  // namespace sorvel
