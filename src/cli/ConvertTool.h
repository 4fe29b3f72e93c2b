#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pali/PaliFontKind.h"

namespace sorvel {

// The command line of `sorvel-convert`, once parsed.
struct CommandLine {
    std::string command;
    std::map<std::string, std::string> values;  // options with a value, by name
    std::vector<std::string> flags;             // options without one
    std::vector<std::string> inputs;

    bool has(const std::string& flag) const;
    std::string value(const std::string& name) const;
};

struct ToolStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Progress may be drawn on `err` only when it is a terminal.
    bool errIsTerminal = false;
};

// `sorvel-convert`: Sorvel's conversions for batch work on 8-bit text.
//
// Each command reads a file or standard input and writes a file (through a
// temporary file and a rename) or standard output. A lone LF, a lone CR and
// CR LF are all read as paragraph breaks; output has CR LF, or LF with --lf.
// On any error one message goes to the error stream, nothing is written, and
// the status is not zero.
class ConvertTool {
  public:
    struct Option {
        std::string name;       // without the dashes
        std::string valueName;  // empty for a flag
        std::string help;
    };
    struct Command {
        std::string name;
        std::string brief;                 // one line for the list of commands
        std::string summary;               // what the command's own help says of it
        std::vector<std::string> options;  // names of the options it takes
        int minInputs;
        int maxInputs;
        std::function<int(ConvertTool&, const CommandLine&, ToolStreams&)> run;
        // Names among `options` that may be left out; the command itself
        // checks which combinations it accepts.
        std::vector<std::string> optional = {};

        bool isOptional(const std::string& name) const;
        // How the usage line names the positional arguments; empty for
        // "[INPUT]" (or "[INPUT...]").
        std::string inputsUsage = {};
        // False for a command that writes files of its own rather than text:
        // --output and --lf do not apply to it.
        bool writesText = true;
        // What an option means for this command, where its general help
        // would mislead.
        std::map<std::string, std::string> optionHelp = {};
    };

    ConvertTool();

    int run(const std::vector<std::string>& args, ToolStreams streams);

    // Shared by the commands.
    std::optional<std::string> readInput(const CommandLine& line, ToolStreams& io);
    // The bytes of standard input, unchanged.
    std::optional<std::string> readStandardInput(ToolStreams& io);
    int writeOutput(const CommandLine& line, ToolStreams& io, const std::string& text);
    // The Pali font that the face given with --`option` names, or nothing
    // after a message when it names none of the five.
    std::optional<PaliFontKind> paliFontOption(const CommandLine& line, const std::string& option,
                                               ToolStreams& io);
    static int fail(ToolStreams& io, const std::string& message, int status = 1);

    void addCommand(Command command) { commands_.push_back(std::move(command)); }
    void addOption(Option option) { options_.push_back(std::move(option)); }

  private:
    const Command* findCommand(const std::string& name) const;
    const Option* findOption(const std::string& name) const;
    std::optional<CommandLine> parse(const std::vector<std::string>& args, ToolStreams& io,
                                     int& status);
    void printHelp(std::ostream& out, const Command* command) const;

    std::vector<Command> commands_;
    std::vector<Option> options_;
};

}  // namespace sorvel
