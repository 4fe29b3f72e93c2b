#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/ConvertTool.h"

namespace sorvel::testing {

// What one run of sorvel-convert gave.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs sorvel-convert in this process with `input` as standard input;
// `terminal` says whether standard error is to count as a terminal.
inline ToolRun runConvertTool(std::vector<std::string> args, const std::string& input = "",
                              bool terminal = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ConvertTool tool;
    const int status = tool.run(args, {in, out, err, terminal});
    return {status, out.str(), err.str()};
}

}  // namespace sorvel::testing
