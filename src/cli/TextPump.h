#pragma once

#include <memory>

#include "cli/ConvertTool.h"
#include "cli/FileOutcome.h"
#include "cli/TextInput.h"
#include "cli/TextJob.h"
#include "cli/TextOutput.h"

namespace sorvel {

// Runs text conversions piece by piece, so that memory stays the same
// whatever the size of the text: a piece is read, converted and written
// before the next is read.
class TextPump {
  public:
    // Runs `job` over the rest of `input` into `output`. Converted: the
    // output is complete (committed). Skipped or failed: nothing of it is
    // kept, and the note says why.
    static FileOutcome run(TextJob& job, TextInput& input, TextOutput& output);

    // A command that reads one text (the file named on the command line, or
    // standard input) and writes -o FILE or standard output. On failure one
    // line on standard error and status 1.
    static int runCommand(const CommandLine& line, ToolStreams& io, TextJob job);

    // The input side of a text file command: where the output goes.
    static std::unique_ptr<TextOutput> openOutput(const CommandLine& line, ToolStreams& io,
                                                  bool spooled, std::string& error);
    // The input named on the command line, or standard input.
    static std::unique_ptr<TextInput> openInput(const CommandLine& line, ToolStreams& io,
                                                std::string& error);

    // How a text file command converts: line ends (CR LF, LF or CR) read as
    // paragraph breaks, `conversion`, and the breaks written as LF with --lf.
    static std::unique_ptr<TextFilter> framed(std::unique_ptr<TextFilter> conversion,
                                              const CommandLine& line);
};

}  // namespace sorvel
