#pragma once

namespace sorvel {

class ConvertTool;

// Registers the commands that work on 8-bit text: font, to-standard,
// from-standard, cscd and type.
void addTextCommands(ConvertTool& tool);

}  // namespace sorvel
