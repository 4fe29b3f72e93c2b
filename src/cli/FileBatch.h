#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/ConvertTool.h"
#include "cli/FileOutcome.h"
#include "cli/TextJob.h"

namespace sorvel {

// Runs a conversion over the inputs of a command line, in one of two ways.
//
// Without --out-dir: one input (a file, or standard input when none or "-"
// is given) goes to -o OUT or to standard output. A failure is one line on
// standard error and status 1, as for every command.
//
// With --out-dir DIR: any number of files and folders. A folder is walked
// (links to folders are not followed) and each file found goes to the same
// place under DIR; a file named on the command line goes straight into DIR.
// Each file gives one line on standard output: "converted IN -> OUT",
// "skipped IN: why" (a file found in a folder that the command does not
// take) or "failed IN: why". While it works, a progress bar is drawn on
// standard error when that is a terminal. The status is 1 when any file
// failed.
//
// No input is ever written: an output that would be one of the input files
// (the same path, or another name of the same file) fails instead, and so
// does a second output to a path already written in the same run.
class FileBatch {
  public:
    // Converts one file's bytes; `name` names the file in messages, and
    // `found` says that it was found in a folder rather than named. A file
    // that it skips counts as failed when it was named.
    using Converter =
        std::function<FileOutcome(std::string_view bytes, const std::string& name, bool found)>;

    // How a command converts an input that is text rather than a document:
    // piece by piece, so that a text of any size takes the same memory.
    // Nothing where the command converts text whole too.
    using Streamer = std::function<std::optional<TextJob>(const std::string& name, bool found)>;

    static int run(const CommandLine& line, ToolStreams& io, const Converter& convert,
                   const Streamer& stream = {});
};

}  // namespace sorvel
