#pragma once

namespace sorvel {

class ConvertTool;

// Registers the commands that read and write documents: text and save.
void addDocumentCommands(ConvertTool& tool);

}  // namespace sorvel
