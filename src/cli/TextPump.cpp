#include "cli/TextPump.h"

#include <cstring>

#include "common/FilterChain.h"
#include "common/LineBreakFilter.h"
#include "common/ReplaceFilter.h"

namespace sorvel {

FileOutcome TextPump::run(TextJob& job, TextInput& input, TextOutput& output) {
    bool sawNul = false;
    auto refused = [&](bool ended) -> std::optional<FileOutcome> {
        if (job.verdict) {
            if (std::optional<FileOutcome> verdict = job.verdict(ended, sawNul)) {
                output.abandon();
                return verdict;
            }
        }
        return std::nullopt;
    };
    auto failed = [&](const std::string& why) {
        output.abandon();
        return FileOutcome::failed(why);
    };
    if (std::optional<FileOutcome> verdict = refused(false)) {
        return *verdict;
    }
    std::string piece;
    std::string out;
    while (input.read(piece)) {
        if (job.watchNul && !sawNul) {
            sawNul = std::memchr(piece.data(), '\0', piece.size()) != nullptr;
        }
        out.clear();
        job.filter->push(piece, out);
        if (std::optional<FileOutcome> verdict = refused(false)) {
            return *verdict;
        }
        if (!output.write(out)) {
            return failed(output.error());
        }
    }
    if (input.failed()) {
        return failed(input.error());
    }
    out.clear();
    job.filter->finish(out);
    if (std::optional<FileOutcome> verdict = refused(true)) {
        return *verdict;
    }
    if (!output.write(out) || !output.commit()) {
        return failed(output.error());
    }
    return FileOutcome::converted({}, job.extension, job.note ? job.note() : std::string());
}

std::unique_ptr<TextOutput> TextPump::openOutput(const CommandLine& line, ToolStreams& io,
                                                 bool spooled, std::string& error) {
    const std::string path = line.value("output");
    if (path.empty() || path == "-") {
        std::unique_ptr<TextOutput> output = TextOutput::toStream(io.out, spooled);
        if (!output->error().empty()) {
            error = output->error();
            return nullptr;
        }
        return output;
    }
    return TextOutput::toFile(path, error);
}

std::unique_ptr<TextInput> TextPump::openInput(const CommandLine& line, ToolStreams& io,
                                               std::string& error) {
    if (line.inputs.empty() || line.inputs[0] == "-") {
        return TextInput::fromStream(io.in, "standard input");
    }
    return TextInput::openFile(line.inputs[0], error);
}

int TextPump::runCommand(const CommandLine& line, ToolStreams& io, TextJob job) {
    std::string error;
    std::unique_ptr<TextInput> input = openInput(line, io, error);
    if (!input) {
        return ConvertTool::fail(io, error);
    }
    std::unique_ptr<TextOutput> output = openOutput(line, io, job.mayRefuse, error);
    if (!output) {
        return ConvertTool::fail(io, error);
    }
    const FileOutcome outcome = run(job, *input, *output);
    if (outcome.kind != FileOutcome::Kind::Converted) {
        return ConvertTool::fail(io, outcome.note);
    }
    return 0;
}

std::unique_ptr<TextFilter> TextPump::framed(std::unique_ptr<TextFilter> conversion,
                                             const CommandLine& line) {
    auto chain = std::make_unique<FilterChain>();
    chain->add(std::make_unique<LineBreakFilter>());
    chain->add(std::move(conversion));
    if (line.has("lf")) {
        chain->add(std::make_unique<ReplaceFilter>("\r\n", "\n"));
    }
    return chain;
}

}  // namespace sorvel
