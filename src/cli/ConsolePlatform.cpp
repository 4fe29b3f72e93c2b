#include "cli/ConsolePlatform.h"

namespace sorvel {

void ConsolePlatform::messageBox(std::string_view text) {
    ++messages_;
    err_ << "sorvel-convert: " << text << '\n';
}

bool ConsolePlatform::askYesNo(std::string_view text) {
    messageBox(text);
    return false;
}

}  // namespace sorvel
