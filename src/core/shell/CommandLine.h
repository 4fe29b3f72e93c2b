#pragma once

#include <string>
#include <vector>

namespace sorvel {

// What the program was asked to do on its command line.
//
// Each file name opens that document in a window of its own, in the order
// given. "/p FILE" prints it and ends the program;
// "/pt FILE PRINTER" prints it on the named printer and ends the program;
// "/dde" (a request from the desktop's shell to wait for its commands) is
// accepted and changes nothing. With no file name the program starts with a
// new empty document. The flags may also be written with "-" and in any case;
// any other argument is a file name, so a path beginning with "/" is one, and
// so is every argument after "--". "--new-instance" asks for a program of its
// own rather than handing the files to the one already running.
struct CommandLine {
    enum class Action { NewDocument, Open, Print, PrintTo };

    Action action = Action::NewDocument;
    std::string file;                // the first file name
    std::vector<std::string> files;  // Open: every file name, in order
    std::string printer;             // PrintTo only
    bool dde = false;
    bool newInstance = false;

    // `args` without the program's own name.
    static CommandLine parse(const std::vector<std::string>& args);
};

}  // namespace sorvel
