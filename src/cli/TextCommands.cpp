#include "cli/TextCommands.h"

#include "cli/ConsolePlatform.h"
#include "cli/ConvertTool.h"
#include "cli/UnicodeCommands.h"
#include "text/MemorySurface.h"
#include "translit/CscdPaste.h"
#include "translit/KeyRelease.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"
#include "usertable/LoadTable.h"

namespace sorvel {

namespace {

// Reads the input, converts it and writes the result.
template <class Convert>
int convertInput(ConvertTool& tool, const CommandLine& line, ToolStreams& io, Convert convert) {
    std::optional<std::string> text = tool.readInput(line, io);
    if (!text) {
        return 1;
    }
    return tool.writeOutput(line, io, convert(std::move(*text)));
}

int toStandard(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    return convertInput(tool, line, io, [&](std::string text) {
        return paliToStandardText(std::move(text), *kind);
    });
}

int fromStandard(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    return convertInput(tool, line, io, [&](std::string text) {
        return standardToPaliText(std::move(text), *kind);
    });
}

int cscd(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    return convertInput(tool, line, io,
                        [](std::string text) { return rewriteCscdText(std::move(text)); });
}

// Types `text` into `view` one character (or one paragraph break) at a time,
// handling a key release after each.
void replayTyping(ViewContext& view, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isBreak = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        view.surface.replaceSel(std::string_view(text).substr(i, isBreak ? 2 : 1), false);
        i += isBreak ? 1 : 0;
        handleKeyRelease(view);
    }
}

// `type --table FILE`: loads the table as the editor's loader does (the same
// checks and messages) and replays the input in the table's font with user
// transliteration on.
int typeWithTable(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    MemorySurface surface;
    ConsolePlatform platform(io.err);
    TransliterationState state;
    state.plainFormat = RichText::standardFormat();
    ViewContext view{surface, platform, state};
    if (!loadTableFromFile(view, line.value("table"))) {
        return 1;
    }
    std::optional<std::string> text = tool.readInput(line, io);
    if (!text) {
        return 1;
    }
    replayTyping(view, *text);
    return tool.writeOutput(line, io, surface.getWindowText());
}

int type(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    if (line.values.contains("font") == line.values.contains("table")) {
        return ConvertTool::fail(io, "type needs either --font FACE or --table FILE", 2);
    }
    if (line.values.contains("table")) {
        return typeWithTable(tool, line, io);
    }
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    std::optional<std::string> text = tool.readInput(line, io);
    if (!text) {
        return 1;
    }
    FontDescription format = RichText::standardFormat();
    format.faceName = line.value("font");
    MemorySurface surface(nullptr, format);
    ConsolePlatform platform(io.err);
    TransliterationState state;
    state.paliEntryOn = true;
    ViewContext view{surface, platform, state};
    replayTyping(view, *text);
    return tool.writeOutput(line, io, surface.getWindowText());
}

}  // namespace

void addTextCommands(ConvertTool& tool) {
    tool.addOption({"from", "FACE", "the Pali font the text is in"});
    tool.addOption({"to", "FACE", "the Pali font to convert to"});
    tool.addOption({"font", "FACE", "the font to use (a Pali font, except for reference-table)"});
    tool.addCommand(
        {.name = "font",
         .brief = "convert Pali letters from one Pali font to another",
         .summary =
             "Converts the Pali letters of text in one Pali font to another Pali font. Every "
             "other character is left as it is. An input that is a document (a Sorvel document "
             "or an RTF file) is converted run by run and written in the form it came in: only "
             "the runs in the --from font are converted and given the --to face, every other "
             "run stays as it was; a character that the --to font cannot show at its code "
             "fails the file (--lossy writes \"?\" instead). With --out-dir DIR, any number of "
             "files and folders are read: a folder is walked, and each file goes to DIR (a file "
             "found in a folder to the same place under DIR), with one line on standard output "
             "for each: converted, skipped or failed, and why. The status is 1 when any "
             "failed. No input file is ever written over.",
         .options = {"from", "to", "out-dir", "overdot-m", "lossy"},
         .minInputs = 0,
         .maxInputs = 1 << 30,
         .run = convertFontFiles,
         .optional = {"out-dir"}});
    tool.addCommand({"to-standard",
                     "Pali font letters to standard transliteration",
                     "Converts the Pali letters of text in a Pali font to standard "
                     "transliteration (aa, .d, ~n, and \"n for overdot n).",
                     {"font"},
                     0,
                     1,
                     toStandard});
    tool.addCommand({"from-standard",
                     "standard transliteration to Pali font letters",
                     "Converts standard transliteration (and the Simple Pali Entry codes) to the "
                     "Pali letters of a Pali font.",
                     {"font"},
                     0,
                     1,
                     fromStandard});
    tool.addCommand({"cscd",
                     "clean up text copied from the CSCD reader",
                     "Cleans up text copied from the CSCD reader: joins broken lines, removes "
                     "hyphens at line ends and shrinks runs of blanks.",
                     {},
                     0,
                     1,
                     cscd});
    tool.addCommand({"type",
                     "replay text as typing, with Pali entry or a table on",
                     "Types the input into a document as if each character were typed by hand, "
                     "and prints the result: in a Pali font with Pali entry on (--font), or in "
                     "the font of a transliteration table file with that table loaded and on "
                     "(--table). Give one of the two.",
                     {"font", "table"},
                     0,
                     1,
                     type,
                     {"font", "table"}});
}

}  // namespace sorvel
