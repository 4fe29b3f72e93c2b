#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>

#include "common/AtomicFile.h"
#include "common/TextFilter.h"

namespace sorvel {

// Where a command's output goes while it is made: a file, written whole or
// not at all (a new file beside it, renamed over it at the end); or a stream
// (standard output), written as it comes or, when the command may still
// fail after output has begun, first spooled to a temporary file.
class TextOutput {
  public:
    static std::unique_ptr<TextOutput> toFile(const std::string& path, std::string& error);
    static std::unique_ptr<TextOutput> toStream(std::ostream& out, bool spooled);
    // A temporary file only, for output that is to be worked over before
    // it goes on (see copyTo); nothing when none can be made.
    static std::unique_ptr<TextOutput> temporary(std::string& error);

    bool write(std::string_view bytes);
    // True when takeBack() can be used: the output is still in a file.
    bool canTakeBack() const { return file_ || spool_; }
    // Takes the last `n` bytes written (fewer if there are not as many)
    // back out of the output into `into`.
    bool takeBack(std::size_t n, std::string& into);
    std::size_t size() const { return size_; }

    // The output is complete: the file takes the path's place, or the spool
    // goes to the stream.
    bool commit();
    // Nothing of the output is kept (what a stream already got stays).
    void abandon();

    const std::string& error() const { return error_; }

    // A temporary output's bytes, passed through `filter` into `target`.
    bool copyTo(TextOutput& target, TextFilter& filter);

    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;
    ~TextOutput();

  private:
    TextOutput() = default;
    bool streamFailed();

    std::unique_ptr<AtomicFile> file_;
    std::ostream* stream_ = nullptr;
    std::FILE* spool_ = nullptr;
    std::size_t size_ = 0;
    std::string error_;
};

}  // namespace sorvel
