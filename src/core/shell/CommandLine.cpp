#include "shell/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace sorvel {

namespace {

// The flag an argument names ("p", "pt", "dde", ...), or empty when it is none.
std::string flagOf(const std::string& arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return {};
    }
    std::string name = arg.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == "p" || name == "pt" || name == "dde" || name == "embedding" ||
        name == "automation") {
        return name;
    }
    return {};
}

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& args) {
    CommandLine line;
    bool print = false;
    bool printTo = false;
    std::vector<std::string> names;
    bool onlyNames = false;
    for (const std::string& arg : args) {
        if (onlyNames) {
            names.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyNames = true;
            continue;
        }
        if (arg == "--new-instance") {
            line.newInstance = true;
            continue;
        }
        const std::string flag = flagOf(arg);
        if (flag == "p") {
            print = true;
        } else if (flag == "pt") {
            printTo = true;
        } else if (flag == "dde") {
            line.dde = true;
        } else if (flag.empty()) {
            names.push_back(arg);
        }
        // The flags of an embedding request have no meaning here.
    }
    if (!names.empty()) {
        line.file = names[0];
        line.action = Action::Open;
    }
    if (printTo) {
        line.action = Action::PrintTo;
        line.printer = names.size() > 1 ? names[1] : std::string();
    } else if (print) {
        line.action = Action::Print;
    } else {
        line.files = std::move(names);
    }
    return line;
}

}  // namespace sorvel
