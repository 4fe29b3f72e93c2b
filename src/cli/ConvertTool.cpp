#include "cli/ConvertTool.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <new>
#include <ostream>

#include "cli/DocumentCommands.h"
#include "cli/TableCommands.h"
#include "cli/TextCommands.h"
#include "cli/UnicodeCommands.h"
#include "common/SorvelVersion.h"
#include "common/TextFiles.h"
#include "pali/TextReplace.h"
#include "text/RichText.h"

namespace sorvel {

bool CommandLine::has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::string CommandLine::value(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
}

bool ConvertTool::Command::isOptional(const std::string& name) const {
    return std::find(optional.begin(), optional.end(), name) != optional.end();
}

ConvertTool::ConvertTool() {
    addOption({"output", "FILE", "write to FILE instead of standard output"});
    addOption({"lf", "", "end lines with LF instead of CR LF"});
    addOption({"help", "", "show this help"});
    addOption({"version", "", "show the version"});
    addTextCommands(*this);
    addTableCommands(*this);
    addDocumentCommands(*this);
    addUnicodeCommands(*this);
}

const ConvertTool::Command* ConvertTool::findCommand(const std::string& name) const {
    for (const Command& c : commands_) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

const ConvertTool::Option* ConvertTool::findOption(const std::string& name) const {
    for (const Option& o : options_) {
        if (o.name == name) {
            return &o;
        }
    }
    return nullptr;
}

int ConvertTool::fail(ToolStreams& io, const std::string& message, int status) {
    io.err << "sorvel-convert: " << message << '\n';
    return status;
}

void ConvertTool::printHelp(std::ostream& out, const Command* command) const {
    auto printOption = [&out, command, this](const std::string& name) {
        const Option* o = findOption(name);
        std::string left = "  --" + name + (o->valueName.empty() ? "" : " " + o->valueName);
        if (name == "output") {
            left = "  -o, --output FILE";
        }
        const auto own = command ? command->optionHelp.find(name)
                                 : std::map<std::string, std::string>::const_iterator{};
        const std::string& help =
            command && own != command->optionHelp.end() ? own->second : o->help;
        out << left << std::string(left.size() < 24 ? 24 - left.size() : 1, ' ') << help << '\n';
    };
    if (command) {
        out << "Usage: sorvel-convert " << command->name;
        for (const std::string& name : command->options) {
            const Option* o = findOption(name);
            if (!o->valueName.empty() && name != "output") {
                const std::string use = "--" + name + ' ' + o->valueName;
                out << (command->isOptional(name) ? " [" + use + "]" : " " + use);
            }
        }
        out << " [options]"
            << (!command->inputsUsage.empty() ? " " + command->inputsUsage
                : command->maxInputs > 1      ? std::string(" [INPUT...]")
                : command->maxInputs == 1     ? std::string(" [INPUT]")
                                              : std::string())
            << "\n\n"
            << command->summary << "\n\nOptions:\n";
        for (const std::string& name : command->options) {
            printOption(name);
        }
        if (command->writesText) {
            printOption("output");
            printOption("lf");
        }
        printOption("help");
        if (command->inputsUsage.empty() && command->maxInputs > 0) {
            out << "\nINPUT is a file; without it, or with \"-\", standard input is read.\n";
        }
        return;
    }
    out << "Usage: sorvel-convert COMMAND [options] [INPUT]\n\n"
           "Sorvel's Pali conversions for 8-bit text files, and its documents.\n\nCommands:\n";
    for (const Command& c : commands_) {
        const std::string left = "  " + c.name;
        out << left << std::string(left.size() < 18 ? 18 - left.size() : 1, ' ') << c.brief << '\n';
    }
    out << "\nOptions for every command:\n";
    printOption("output");
    printOption("lf");
    printOption("help");
    printOption("version");
    out << "\nFACE is a font's face name, such as \"VriRomanPali CN\" or \"Times_CSX+\".\n"
           "INPUT is a file; without it, or with \"-\", standard input is read.\n"
           "\"sorvel-convert COMMAND --help\" describes one command.\n";
}

std::optional<CommandLine> ConvertTool::parse(const std::vector<std::string>& args, ToolStreams& io,
                                              int& status) {
    CommandLine line;
    status = 2;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "-" || arg.empty() || arg[0] != '-') {
            if (line.command.empty() && arg != "-") {
                line.command = arg;
            } else {
                line.inputs.push_back(arg);
            }
            continue;
        }
        if (arg == "--") {
            line.inputs.insert(line.inputs.end(), args.begin() + static_cast<long>(i) + 1,
                               args.end());
            break;
        }
        if (arg == "-o") {
            arg = "--output";
        } else if (arg == "-h") {
            arg = "--help";
        }
        if (!arg.starts_with("--")) {
            fail(io, "unknown option " + arg + " (see sorvel-convert --help)", 2);
            return std::nullopt;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const Option* option = findOption(name);
        if (!option) {
            fail(io, "unknown option --" + name + " (see sorvel-convert --help)", 2);
            return std::nullopt;
        }
        if (option->valueName.empty()) {
            if (value) {
                fail(io, "option --" + name + " takes no value", 2);
                return std::nullopt;
            }
            line.flags.push_back(name);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                fail(io, "option --" + name + " needs a " + option->valueName, 2);
                return std::nullopt;
            }
            value = args[++i];
        }
        line.values[name] = *value;
    }
    status = 0;
    return line;
}

int ConvertTool::run(const std::vector<std::string>& args, ToolStreams io) {
    int status = 0;
    const std::optional<CommandLine> parsed = parse(args, io, status);
    if (!parsed) {
        return status;
    }
    const CommandLine& line = *parsed;
    if (line.has("version")) {
        io.out << "sorvel-convert (Sorvel) " SORVEL_PRODUCT_VERSION
                  "\n"
                  "File version " SORVEL_FILE_VERSION "\n";
        io.out.flush();
        return io.out.good() ? 0 : fail(io, "cannot write standard output");
    }
    if (line.command.empty()) {
        printHelp(line.has("help") ? io.out : io.err, nullptr);
        return line.has("help") ? 0 : 2;
    }
    const Command* command = findCommand(line.command);
    if (!command) {
        return fail(io, "unknown command \"" + line.command + "\" (see sorvel-convert --help)", 2);
    }
    if (line.has("help")) {
        printHelp(io.out, command);
        return 0;
    }
    auto accepts = [command](const std::string& name) {
        static const std::vector<std::string> kCommon = {"output", "lf", "help"};
        const bool common = std::find(kCommon.begin(), kCommon.end(), name) != kCommon.end();
        return (common && (command->writesText || name == "help")) ||
               std::find(command->options.begin(), command->options.end(), name) !=
                   command->options.end();
    };
    for (const auto& [name, value] : line.values) {
        if (!accepts(name)) {
            return fail(io, "option --" + name + " does not apply to " + command->name, 2);
        }
    }
    for (const std::string& name : line.flags) {
        if (!accepts(name)) {
            return fail(io, "option --" + name + " does not apply to " + command->name, 2);
        }
    }
    for (const std::string& name : command->options) {
        const Option* o = findOption(name);
        if (!o->valueName.empty() && !command->isOptional(name) && !line.values.contains(name)) {
            return fail(io, command->name + " needs --" + name + " " + o->valueName, 2);
        }
    }
    const int inputs = static_cast<int>(line.inputs.size());
    if (inputs < command->minInputs || inputs > command->maxInputs) {
        if (!command->inputsUsage.empty()) {
            return fail(io, command->name + " takes " + command->inputsUsage, 2);
        }
        return fail(io,
                    command->maxInputs == 1   ? command->name + " reads one input at most"
                    : command->maxInputs == 0 ? command->name + " reads no input"
                                              : command->name + ": wrong number of inputs",
                    2);
    }
    try {
        return command->run(*this, line, io);
    } catch (const std::bad_alloc&) {
        // An output file is written whole or not at all, so none is left half written.
        return fail(io, "not enough memory to carry out " + command->name);
    }
}

std::optional<std::string> ConvertTool::readStandardInput(ToolStreams& io) {
    std::string data(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>{});
    if (io.in.bad()) {
        fail(io, "cannot read standard input");
        return std::nullopt;
    }
    return data;
}

std::optional<std::string> ConvertTool::readInput(const CommandLine& line, ToolStreams& io) {
    std::string data;
    if (line.inputs.empty() || line.inputs[0] == "-") {
        data.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
        if (io.in.bad()) {
            fail(io, "cannot read standard input");
            return std::nullopt;
        }
    } else {
        FileError error;
        std::optional<std::string> file = readWholeFile(line.inputs[0], &error);
        if (!file) {
            fail(io, error.message);
            return std::nullopt;
        }
        data = std::move(*file);
    }
    return RichText::normalizeBreaks(data);
}

int ConvertTool::writeOutput(const CommandLine& line, ToolStreams& io, const std::string& text) {
    std::string data = text;
    if (line.has("lf")) {
        replaceAll(data, "\r\n", "\n");
    }
    const std::string path = line.value("output");
    if (path.empty() || path == "-") {
        io.out.write(data.data(), static_cast<std::streamsize>(data.size()));
        io.out.flush();
        return io.out.good() ? 0 : fail(io, "cannot write standard output");
    }
    FileError error;
    if (!writeFileAtomically(path, data, &error)) {
        return fail(io, error.message);
    }
    return 0;
}

std::optional<PaliFontKind> ConvertTool::paliFontOption(const CommandLine& line,
                                                        const std::string& option,
                                                        ToolStreams& io) {
    const std::string face = line.value(option);
    const PaliFontKind kind = paliFontByPrefix(face);
    if (!isPaliFont(kind)) {
        fail(io,
             "\"" + face + "\" (--" + option +
                 ") is not a Pali font; the Pali fonts are those whose face names begin "
                 "with VriRomanPali, Times_CSX+, SKT or Skt, Times_Norman, or LeedsBit Pali",
             2);
        return std::nullopt;
    }
    return kind;
}

}  // namespace sorvel
