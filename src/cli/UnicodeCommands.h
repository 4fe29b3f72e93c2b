#pragma once

namespace sorvel {

class ConvertTool;
struct CommandLine;
struct ToolStreams;

// Registers the commands that carry documents into Unicode and back:
// unicode and from-unicode.
void addUnicodeCommands(ConvertTool& tool);

// `font`: Pali font conversion of 8-bit text files, and of documents run by
// run. An input that is a document (a Sorvel document or an RTF file) is
// converted as a document and written in the form it came in; any other
// input is 8-bit text, converted whole as it always was.
int convertFontFiles(ConvertTool& tool, const CommandLine& line, ToolStreams& io);

}  // namespace sorvel
