#pragma once

namespace sorvel {

class ConvertTool;

// Registers the commands of the user transliteration tables: reference-table,
// and the --table option with which `type` types through a table file.
void addTableCommands(ConvertTool& tool);

}  // namespace sorvel
