#pragma once

#include <string>
#include <string_view>

#include "common/TextFiles.h"

namespace sorvel {

// A file written whole or not at all: the bytes go into a new file beside
// the path, and only commit() puts that file in the path's place (with the
// permissions the old file had). Until then the path keeps what it held; a
// file never committed is removed.
class AtomicFile {
  public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Creates the new file beside `path`; false, with the reason, on failure.
    // A `durable` file is on the disk before it takes the path's place, so
    // that not even a crash of the system leaves a part of it there; the
    // others are renamed as soon as they are written, which the system
    // keeps whole-or-nothing as long as it keeps running.
    bool open(const std::string& path, FileError* error = nullptr, bool durable = true);
    bool write(std::string_view bytes, FileError* error = nullptr);
    // Takes the last `n` bytes written back out of the file into `into`
    // (their place is then free again).
    bool takeBack(std::size_t n, std::string& into, FileError* error = nullptr);
    std::size_t size() const { return size_; }
    // Flushes the file to the disk and renames it over the path.
    bool commit(FileError* error = nullptr);
    // Removes the new file; the path keeps its old content.
    void abandon();

  private:
    bool fail(FileError* error, std::string_view what);

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    std::size_t size_ = 0;
    bool durable_ = true;
};

}  // namespace sorvel
