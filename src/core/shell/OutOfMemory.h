#pragma once

#include <new>
#include <string_view>

#include "editor/Platform.h"

namespace sorvel {

inline constexpr std::string_view kOutOfMemoryMessage =
    "There is not enough memory to carry out this command. It was not carried out; your "
    "documents are as they were.";

// Runs a command so that running out of memory on the way ends only the
// command: the user is told, and the program and its documents go on. True
// when the command ran to its end.
template <class Command>
bool runWithinMemory(Platform& platform, Command&& command) {
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        platform.messageBox(kOutOfMemoryMessage);
        return false;
    }
}

}  // namespace sorvel
