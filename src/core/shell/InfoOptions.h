#pragma once

#include <iosfwd>
#include <optional>

namespace sorvel {

// The requests on `sorvel`'s command line that are answered without a
// window, and so without a display: --help (-h) and --version (-v). Gives
// the exit status after writing the answer to `out` when one of them is
// there, or nothing when the program is to start as usual. The first such
// option counts; whatever follows "--" is a file name and is not looked at.
std::optional<int> answerInfoOptions(int argc, const char* const* argv, std::ostream& out);

}  // namespace sorvel
