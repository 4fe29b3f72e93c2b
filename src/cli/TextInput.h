#pragma once

#include <cstdio>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>

namespace sorvel {

// The input of a command, read in pieces: a file, or a stream (standard
// input). What has been looked at ahead (to tell a document from text) is
// read again from the start; beyond a few megabytes that look-ahead waits in
// a temporary file rather than in memory.
class TextInput {
  public:
    // The size of the pieces the commands read and convert.
    static constexpr std::size_t kPieceSize = 256 << 10;

    // Opens a file; nothing, with the message, when it cannot be read.
    static std::unique_ptr<TextInput> openFile(const std::string& path, std::string& error);
    static std::unique_ptr<TextInput> fromStream(std::istream& in, std::string name);

    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;
    ~TextInput();

    // Reads the next piece into `piece` (replacing what it held); false at
    // the end of the input or on an error (see failed()).
    bool read(std::string& piece);
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

    // Reads ahead, piece by piece, while `wantsMore` asks for more after
    // seeing a piece (or until the input ends). The pieces are kept, and
    // read() gives them again first.
    void lookAhead(const std::function<bool(std::string_view piece)>& wantsMore);

    // Everything from here to the end, in one string (for documents).
    std::optional<std::string> readAll();

  private:
    TextInput() = default;
    // The next bytes from the source itself; 0 at its end or on an error.
    std::size_t readSource(char* into, std::size_t size);
    bool keepAhead(std::string_view bytes);
    // The next kept piece, if any are left.
    bool readAhead(std::string& piece);

    int fd_ = -1;
    std::istream* stream_ = nullptr;
    std::string name_;
    std::string error_;
    // The bytes looked ahead: up to kAheadInMemory in memory, the rest in a
    // temporary file.
    static constexpr std::size_t kAheadInMemory = 8 * kPieceSize;
    std::string ahead_;
    std::size_t aheadDone_ = 0;
    std::FILE* aheadFile_ = nullptr;
    bool aheadFileRewound_ = false;
};

}  // namespace sorvel
