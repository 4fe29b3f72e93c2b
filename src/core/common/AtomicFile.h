#pragma once

#include <sys/types.h>
#include <memory>
#include <string>
#include <string_view>

#include "common/TextFiles.h"

namespace sorvel {
class BackgroundFlush;
}

namespace sorvel {

// A file written whole or not at all: the bytes go into a new file beside
// the path, and only commit() puts that file in the path's place. Until then
// the path keeps what it held; a file never committed is removed.
//
// Every file the program writes goes through here (writeFileAtomically for a
// whole buffer, the streaming outputs of sorvel-convert piece by piece), so
// the rules of a save are kept in one place:
// - a symbolic link stays a link: the file it points to is written;
// - an existing file that is read-only (no write permission for anyone), or
//   that the user may not write, is refused and left as it is; so is
//   anything that is not a regular file;
// - an existing file keeps its permissions, and its group where the user may
//   set it; a new one gets the usual permissions (the umask applies);
// - the file is synced, and after the rename its folder too, so that a
//   file reported as written survives a power cut.
class AtomicFile {
  public:
    AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Creates the new file beside `path` (or beside the file a link there
    // points to); false, with the reason, on failure or refusal. The file
    // is on the disk, and so is its name, before commit() returns.
    bool open(const std::string& path, FileError* error = nullptr);
    bool write(std::string_view bytes, FileError* error = nullptr);
    // Takes the last `n` bytes written back out of the file into `into`
    // (their place is then free again).
    bool takeBack(std::size_t n, std::string& into, FileError* error = nullptr);
    std::size_t size() const { return size_; }
    // Flushes the file to the disk and renames it over the path's file.
    bool commit(FileError* error = nullptr);
    // Removes the new file; the path keeps its old content.
    void abandon();

  private:
    bool fail(FileError* error, std::string_view what);
    void flushEarly();

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file that is replaced: path_, or a link's end
    std::string temp_;
    int fd_ = -1;
    std::size_t size_ = 0;
    std::size_t flushedTo_ = 0;               // bytes already on their way to the disk
    std::unique_ptr<BackgroundFlush> flush_;  // for large files only
};

}  // namespace sorvel
