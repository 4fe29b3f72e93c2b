#include "cli/FileBatch.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <utility>
#include <variant>
#include <vector>

#include "cli/DocumentProbe.h"
#include "cli/TextPump.h"
#include "common/TextFiles.h"

namespace sorvel {

namespace fs = std::filesystem;

FileOutcome FileOutcome::converted(std::string bytes, std::string extension, std::string note) {
    return {Kind::Converted, std::move(bytes), std::move(extension), std::move(note)};
}

FileOutcome FileOutcome::skipped(std::string reason) {
    return {Kind::Skipped, {}, {}, std::move(reason)};
}

FileOutcome FileOutcome::failed(std::string reason) {
    return {Kind::Failed, {}, {}, std::move(reason)};
}

namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> fileId(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileId{st.st_dev, st.st_ino};
}

fs::path canonicalPath(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(fs::absolute(p, ec), ec);
    return ec ? p.lexically_normal() : c;
}

// True when `inner` is `outer` or lies inside it.
bool isWithin(const fs::path& inner, const fs::path& outer) {
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) {
            continue;  // a trailing separator
        }
        if (i == inner.end() || *i != *o) {
            return false;
        }
    }
    return true;
}

std::string readError(const std::error_code& ec) {
    return ec.message();
}

// One file to convert, or a line decided while the folders were walked.
struct Item {
    std::string path;
    fs::path relative;  // where its output goes under the output folder
    bool walked = false;
    std::optional<FileOutcome> decided;
};

class Batch {
  public:
    Batch(const CommandLine& line, ToolStreams& io, const FileBatch::Converter& convert,
          const FileBatch::Streamer& stream)
        : line_(line), io_(io), convert_(convert), stream_(stream) {}

    int single() {
        const std::string path = line_.inputs.empty() ? "-" : line_.inputs[0];
        std::error_code ec;
        if (path != "-" && fs::is_directory(path, ec)) {
            return ConvertTool::fail(io_, "a folder as input needs --out-dir DIR", 2);
        }
        const std::string name = path == "-" ? "standard input" : path;
        std::string error;
        std::unique_ptr<TextInput> input = path == "-"
                                               ? TextInput::fromStream(io_.in, "standard input")
                                               : TextInput::openFile(path, error);
        if (!input) {
            return ConvertTool::fail(io_, error);
        }
        const std::string out = line_.value("output");
        const bool toFile = !out.empty() && out != "-";
        if (toFile && path != "-" && sameFile(path, out)) {
            return ConvertTool::fail(
                io_, out + " is the input file; sorvel-convert never writes over its input");
        }
        std::optional<TextJob> job = textJob(*input, name, false);
        if (input->failed()) {
            return ConvertTool::fail(io_, input->error());
        }
        FileOutcome outcome;
        if (job) {
            std::unique_ptr<TextOutput> output =
                TextPump::openOutput(line_, io_, job->mayRefuse, error);
            if (!output) {
                return ConvertTool::fail(io_, error);
            }
            outcome = TextPump::run(*job, *input, *output);
            if (outcome.kind != FileOutcome::Kind::Converted) {
                return ConvertTool::fail(io_, name + ": " + outcome.note);
            }
        } else {
            const std::optional<std::string> bytes = input->readAll();
            if (!bytes) {
                return ConvertTool::fail(io_, input->error());
            }
            outcome = convert_(*bytes, name, false);
            if (outcome.kind != FileOutcome::Kind::Converted) {
                return ConvertTool::fail(io_, name + ": " + outcome.note);
            }
            if (toFile) {
                FileError e;
                if (!writeFileAtomically(out, outcome.bytes, &e)) {
                    return ConvertTool::fail(io_, e.message);
                }
            } else {
                io_.out.write(outcome.bytes.data(),
                              static_cast<std::streamsize>(outcome.bytes.size()));
                io_.out.flush();
                if (!io_.out.good()) {
                    return ConvertTool::fail(io_, "cannot write standard output");
                }
            }
        }
        if (!outcome.note.empty()) {
            io_.err << "sorvel-convert: " << name << ": " << outcome.note << '\n';
        }
        return 0;
    }

    int many() {
        outDir_ = line_.value("out-dir");
        std::error_code ec;
        fs::create_directories(outDir_, ec);
        if (!fs::is_directory(outDir_)) {
            return ConvertTool::fail(io_, "cannot create the folder " + outDir_ +
                                              (ec ? ": " + ec.message() : ": a file is there"));
        }
        outCanonical_ = canonicalPath(outDir_);
        for (const std::string& input : line_.inputs) {
            if (fs::is_directory(input, ec)) {
                walk(input, input);
            } else {
                items_.push_back({input, fs::path(input).filename(), false, std::nullopt});
            }
        }
        for (const Item& item : items_) {
            if (!item.decided) {
                if (const std::optional<FileId> id = fileId(item.path)) {
                    inputIds_.insert(*id);
                }
                ++total_;
            }
        }
        bool anyFailed = false;
        for (const Item& item : items_) {
            const bool failed = item.decided ? report(item, *item.decided, {}) : convertOne(item);
            anyFailed = anyFailed || failed;
        }
        clearProgress();
        return anyFailed ? 1 : 0;
    }

  private:
    // The job that streams this input, when it is text and the command
    // streams text; nothing for a document (read whole then).
    std::optional<TextJob> textJob(TextInput& input, const std::string& name, bool found) {
        if (!stream_) {
            return std::nullopt;
        }
        DocumentProbe probe;
        input.lookAhead([&probe](std::string_view piece) { return probe.wantsMore(piece); });
        if (input.failed() || probe.isDocument()) {
            return std::nullopt;
        }
        return stream_(name, found);
    }

    static bool sameFile(const std::string& a, const std::string& b) {
        const std::optional<FileId> ia = fileId(a);
        const std::optional<FileId> ib = fileId(b);
        if (ia && ib) {
            return *ia == *ib;
        }
        return canonicalPath(a) == canonicalPath(b);
    }

    void walk(const fs::path& dir, const fs::path& root) {
        std::error_code ec;
        std::vector<fs::directory_entry> entries;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            entries.push_back(*it);
        }
        if (ec) {
            items_.push_back({dir.string(),
                              {},
                              true,
                              FileOutcome::failed("cannot read the folder: " + readError(ec))});
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.path() < b.path(); });
        for (const fs::directory_entry& e : entries) {
            const fs::file_status link = e.symlink_status(ec);
            const fs::file_status target = e.status(ec);
            const std::string path = e.path().string();
            if (fs::is_directory(link)) {
                if (isWithin(canonicalPath(e.path()), outCanonical_)) {
                    items_.push_back(
                        {path, {}, true, FileOutcome::skipped("the output folder is not read")});
                } else {
                    walk(e.path(), root);
                }
            } else if (fs::is_directory(target)) {
                items_.push_back(
                    {path, {}, true, FileOutcome::skipped("a link to a folder is not followed")});
            } else if (fs::is_regular_file(target)) {
                items_.push_back({path, e.path().lexically_relative(root), true, std::nullopt});
            } else {
                items_.push_back({path, {}, true, FileOutcome::skipped("not a regular file")});
            }
        }
    }

    // Where a file's output goes, or why it cannot go there.
    std::variant<fs::path, FileOutcome> outputPath(const Item& item, const std::string& extension) {
        fs::path relative = item.relative;
        if (!extension.empty()) {
            relative.replace_extension(extension);
        }
        const fs::path out = fs::path(outDir_) / relative;
        const std::string outPath = out.string();
        if (const std::optional<FileId> id = fileId(outPath); id && inputIds_.contains(*id)) {
            return FileOutcome::failed(outPath +
                                       " is an input file; sorvel-convert never writes over its "
                                       "input");
        }
        if (const auto it = written_.find(canonicalPath(out)); it != written_.end()) {
            return FileOutcome::failed(outPath + " is already the output of " + it->second);
        }
        std::error_code ec;
        fs::create_directories(out.parent_path(), ec);
        return out;
    }

    // Converts one file and reports it; true when it failed.
    bool convertOne(const Item& item) {
        ++done_;
        drawProgress();
        std::string error;
        std::unique_ptr<TextInput> input = TextInput::openFile(item.path, error);
        if (!input) {
            return report(item, FileOutcome::failed(error), {});
        }
        std::optional<TextJob> job = textJob(*input, item.path, item.walked);
        if (input->failed()) {
            return report(item, FileOutcome::failed(input->error()), {});
        }
        if (job) {
            return streamOne(item, *job, *input);
        }
        const std::optional<std::string> bytes = input->readAll();
        if (!bytes) {
            return report(item, FileOutcome::failed(input->error()), {});
        }
        FileOutcome outcome = convert_(*bytes, item.path, item.walked);
        if (outcome.kind == FileOutcome::Kind::Skipped && !item.walked) {
            outcome.kind = FileOutcome::Kind::Failed;
        }
        if (outcome.kind != FileOutcome::Kind::Converted) {
            return report(item, outcome, {});
        }
        std::variant<fs::path, FileOutcome> out = outputPath(item, outcome.extension);
        if (auto* refused = std::get_if<FileOutcome>(&out)) {
            return report(item, *refused, {});
        }
        const fs::path& path = std::get<fs::path>(out);
        FileError e;
        if (!writeFileAtomically(path.string(), outcome.bytes, &e)) {
            return report(item, FileOutcome::failed(e.message), {});
        }
        written_.emplace(canonicalPath(path), item.path);
        return report(item, outcome, path.string());
    }

    bool streamOne(const Item& item, TextJob& job, TextInput& input) {
        std::variant<fs::path, FileOutcome> out = outputPath(item, job.extension);
        if (auto* refused = std::get_if<FileOutcome>(&out)) {
            return report(item, *refused, {});
        }
        const fs::path& path = std::get<fs::path>(out);
        std::string error;
        std::unique_ptr<TextOutput> output = TextOutput::toFile(path.string(), error);
        if (!output) {
            return report(item, FileOutcome::failed(error), {});
        }
        FileOutcome outcome = TextPump::run(job, input, *output);
        if (outcome.kind == FileOutcome::Kind::Skipped && !item.walked) {
            outcome.kind = FileOutcome::Kind::Failed;
        }
        if (outcome.kind != FileOutcome::Kind::Converted) {
            // The folders made for the output go again where they stayed empty.
            std::error_code ec;
            for (fs::path dir = path.parent_path(); canonicalPath(dir) != outCanonical_ &&
                                                    isWithin(canonicalPath(dir), outCanonical_) &&
                                                    fs::is_empty(dir, ec) && fs::remove(dir, ec);
                 dir = dir.parent_path()) {
            }
            return report(item, outcome, {});
        }
        written_.emplace(canonicalPath(path), item.path);
        return report(item, outcome, path.string());
    }

    bool report(const Item& item, const FileOutcome& outcome, const std::string& outPath) {
        clearProgress();
        switch (outcome.kind) {
            case FileOutcome::Kind::Converted:
                io_.out << "converted " << item.path << " -> " << outPath;
                if (!outcome.note.empty()) {
                    io_.out << " (" << outcome.note << ")";
                }
                break;
            case FileOutcome::Kind::Skipped:
                io_.out << "skipped " << item.path << ": " << outcome.note;
                break;
            case FileOutcome::Kind::Failed:
                io_.out << "failed " << item.path << ": " << oneLine(outcome.note);
                break;
        }
        io_.out << '\n';
        io_.out.flush();
        return outcome.kind == FileOutcome::Kind::Failed;
    }

    static std::string oneLine(std::string text) {
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }

    void drawProgress() {
        if (!io_.errIsTerminal || total_ == 0) {
            return;
        }
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(static_cast<long long>(done_) * kWidth / total_);
        io_.err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << done_
                << "/" << total_ << std::flush;
        progressShown_ = true;
    }

    void clearProgress() {
        if (progressShown_) {
            io_.err << "\r\x1b[K" << std::flush;
            progressShown_ = false;
        }
    }

    const CommandLine& line_;
    ToolStreams& io_;
    const FileBatch::Converter& convert_;
    const FileBatch::Streamer& stream_;
    std::string outDir_;
    fs::path outCanonical_;
    std::vector<Item> items_;
    std::set<FileId> inputIds_;
    std::map<fs::path, std::string> written_;
    int total_ = 0;
    int done_ = 0;
    bool progressShown_ = false;
};

}  // namespace

int FileBatch::run(const CommandLine& line, ToolStreams& io, const Converter& convert,
                   const Streamer& stream) {
    const bool toFolder = line.values.contains("out-dir");
    if (toFolder && line.values.contains("output")) {
        return ConvertTool::fail(io, "give either -o FILE or --out-dir DIR, not both", 2);
    }
    if (!toFolder) {
        if (line.inputs.size() > 1) {
            return ConvertTool::fail(io, "several inputs need --out-dir DIR", 2);
        }
        return Batch(line, io, convert, stream).single();
    }
    if (line.inputs.empty() ||
        std::find(line.inputs.begin(), line.inputs.end(), "-") != line.inputs.end()) {
        return ConvertTool::fail(io, "--out-dir needs files or folders to read, not standard input",
                                 2);
    }
    return Batch(line, io, convert, stream).many();
}

}  // namespace sorvel
