#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/FileOutcome.h"
#include "common/TextFilter.h"

namespace sorvel {

// A conversion of text that runs piece by piece from an input to an output
// (see TextPump).
struct TextJob {
    std::unique_ptr<TextFilter> filter;
    // The output's extension (".txt"); empty keeps the input's.
    std::string extension = {};
    // True when the text can still fail after output has begun: output to a
    // stream then waits in a temporary file until the whole input is done.
    bool mayRefuse = false;
    // Whether the conversion must stop: after each piece (`ended` false)
    // and at the end. Nothing, or the reason the file is skipped or fails;
    // `sawNul` says whether the input held a NUL byte so far (watched only
    // where `watchNul` asks for it).
    std::function<std::optional<FileOutcome>(bool ended, bool sawNul)> verdict = {};
    bool watchNul = false;
    // A remark on the finished conversion.
    std::function<std::string()> note = {};
};

}  // namespace sorvel
