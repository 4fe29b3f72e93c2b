#include "cli/TableCommands.h"

#include "cli/ConvertTool.h"
#include "text/FontDescription.h"
#include "text/RichText.h"
#include "usertable/FontCodeReference.h"
#include "usertable/TableTexts.h"

namespace sorvel {

namespace {

int referenceTable(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const std::string face = line.value("font");
    if (face.empty()) {
        return ConvertTool::fail(io, "reference-table needs a face name after --font", 2);
    }
    // The table names the face as a Font description holds it.
    std::string text = fontCodeReferenceHeading(FaceName(face).view());
    for (int code = kFirstListedCode; code <= kLastListedCode; ++code) {
        text += fontCodeReferenceRow(code);
    }
    return tool.writeOutput(line, io, RichText::normalizeBreaks(text));
}

}  // namespace

void addTableCommands(ConvertTool& tool) {
    tool.addOption({"table", "FILE", "the transliteration table file to type with"});
    tool.addCommand({"reference-table",
                     "list the character codes 64 to 255 of a font",
                     "Prints a font code reference table: a heading naming the font, then one row "
                     "for each character code from 0064 to 0255 with the code, a TAB and the "
                     "character (or \"Not Supported by Windows\"). View it in that font to see "
                     "which character each code gives.",
                     {"font"},
                     0,
                     0,
                     referenceTable});
}

}  // namespace sorvel
