#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/ConvertTool.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    sorvel::ConvertTool tool;
    return tool.run(args, {std::cin, std::cout, std::cerr, ::isatty(2) == 1});
}
