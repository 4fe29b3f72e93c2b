#include "cli/TextCommands.h"

#include "cli/ConsolePlatform.h"
#include "cli/ConvertTool.h"
#include "cli/TextPump.h"
#include "cli/UnicodeCommands.h"
#include "common/FilterChain.h"
#include "common/LineBreakFilter.h"
#include "common/ReplaceFilter.h"
#include "text/MemorySurface.h"
#include "translit/CscdPaste.h"
#include "translit/KeyRelease.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"
#include "translit/TypingReplay.h"
#include "usertable/LoadTable.h"

namespace sorvel {

namespace {

// Streams the input through a conversion into the output.
int convertInput(const CommandLine& line, ToolStreams& io, std::unique_ptr<TextFilter> convert) {
    return TextPump::runCommand(line, io, {TextPump::framed(std::move(convert), line)});
}

int toStandard(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    return convertInput(line, io, paliToStandardFilter(*kind));
}

int fromStandard(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    return convertInput(line, io, standardToPaliFilter(*kind));
}

int cscd(ConvertTool&, const CommandLine& line, ToolStreams& io) {
    return convertInput(line, io, cscdFilter());
}

// The typed text's start goes to an output while its end is typed, through
// a filter (CR LF to LF for --lf) where one is given. An output that is
// taken back from has no filter.
class OutputStore : public TypingReplay::Store {
  public:
    OutputStore(TextOutput& output, TextFilter* filter) : output_(output), filter_(filter) {}
    bool put(std::string_view bytes) override {
        if (!filter_) {
            return output_.write(bytes);
        }
        out_.clear();
        filter_->push(bytes, out_);
        return output_.write(out_);
    }
    bool takeBack(std::size_t n, std::string& into) override {
        return !filter_ && output_.takeBack(n, into);
    }
    std::size_t size() const override { return output_.size(); }
    bool finish() {
        if (!filter_) {
            return true;
        }
        out_.clear();
        filter_->finish(out_);
        return output_.write(out_);
    }

  private:
    TextOutput& output_;
    TextFilter* filter_;
    std::string out_;
};

// Replays the input as typing, in bounded memory: the tables in force are
// those a key release in `view` would run.
int replay(const CommandLine& line, ToolStreams& io, const ViewContext& view) {
    const TablesInForce tables = tablesInForce(view);
    std::string error;
    std::unique_ptr<TextInput> input = TextPump::openInput(line, io, error);
    if (!input) {
        return ConvertTool::fail(io, error);
    }
    std::unique_ptr<TextOutput> output = TextPump::openOutput(line, io, false, error);
    if (!output) {
        return ConvertTool::fail(io, error);
    }
    // The text is typed with CR LF breaks and written with LF for --lf.
    std::unique_ptr<TextFilter> written = std::make_unique<FilterChain>();
    if (line.has("lf")) {
        written = std::make_unique<ReplaceFilter>("\r\n", "\n");
    }
    // Tables that can eat back into text already put away type into a
    // temporary file, which gives bytes back; it goes to the output at the end.
    std::unique_ptr<TextOutput> scratch;
    if (TypingReplay::reachesBack(tables)) {
        scratch = TextOutput::temporary(error);
        if (!scratch) {
            return ConvertTool::fail(io, error);
        }
    }
    OutputStore store(scratch ? *scratch : *output,
                      scratch || !line.has("lf") ? nullptr : written.get());
    TypingReplay typing(tables, store);
    LineBreakFilter breaks;
    std::string piece;
    std::string typed;
    bool ok = true;
    while (ok && input->read(piece)) {
        typed.clear();
        breaks.push(piece, typed);
        ok = typing.type(typed);
    }
    if (input->failed()) {
        return ConvertTool::fail(io, input->error());
    }
    typed.clear();
    breaks.finish(typed);
    ok = ok && typing.type(typed) && typing.finish() && store.finish();
    if (ok && scratch) {
        ok = scratch->copyTo(*output, *written);
    }
    if (!ok || !output->commit()) {
        const std::string why = !output->error().empty()               ? output->error()
                                : scratch && !scratch->error().empty() ? scratch->error()
                                                                       : "cannot write the output";
        return ConvertTool::fail(io, why);
    }
    return 0;
}

// `type --table FILE`: loads the table as the editor's loader does (the same
// checks and messages) and replays the input in the table's font with user
// transliteration on.
int typeWithTable(const CommandLine& line, ToolStreams& io) {
    MemorySurface surface;
    ConsolePlatform platform(io.err);
    TransliterationState state;
    state.plainFormat = RichText::standardFormat();
    ViewContext view{surface, platform, state};
    if (!loadTableFromFile(view, line.value("table"))) {
        return 1;
    }
    return replay(line, io, view);
}

int type(ConvertTool& tool, const CommandLine& line, ToolStreams& io) {
    if (line.values.contains("font") == line.values.contains("table")) {
        return ConvertTool::fail(io, "type needs either --font FACE or --table FILE", 2);
    }
    if (line.values.contains("table")) {
        return typeWithTable(line, io);
    }
    const auto kind = tool.paliFontOption(line, "font", io);
    if (!kind) {
        return 2;
    }
    FontDescription format = RichText::standardFormat();
    format.faceName = line.value("font");
    MemorySurface surface(nullptr, format);
    ConsolePlatform platform(io.err);
    TransliterationState state;
    state.paliEntryOn = true;
    ViewContext view{surface, platform, state};
    return replay(line, io, view);
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
