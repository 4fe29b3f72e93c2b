#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// The largest file that is read whole: 256 MB, sixteen bytes for each of the
// 16,777,215 characters a document can hold. No document or table comes near
// it; anything larger is refused before it is read, so that a mistaken choice
// of file cannot take the program's memory.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;

// Why a file could not be read or written.
struct FileError {
    // Files that are refused before anything is read from them.
    enum class Refusal {
        None,
        NotRegularFile,  // a folder, a device, a pipe or a socket
        TooLarge,        // more than kMaxFileBytes
    };

    std::string message;      // e.g. "cannot open /x: No such file or directory"
    int errorNumber = 0;      // the errno value
    bool openFailed = false;  // could not be opened at all (missing, not allowed, a folder),
                              // as against failing while it was read or written
    Refusal refused = Refusal::None;
};

// Opens `path` for reading, after looking at what it is: anything but a
// regular file (a folder, a device, a pipe or a socket), and a file larger
// than `limit`, is refused (error->refused says why) without reading a
// byte, and without waiting for a pipe that has no writer. The descriptor
// is blocking; -1 on failure, with the reason in `error`.
int openInputFile(const std::string& path, FileError* error = nullptr,
                  std::uint64_t limit = kMaxFileBytes);

// Reads a whole file as bytes; nothing, with the reason in `error`, on failure.
// Only a regular file of at most kMaxFileBytes is read (see openInputFile).
std::optional<std::string> readWholeFile(const std::string& path, FileError* error = nullptr);

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// that `path` holds either its old content or all of the new, never a part.
// False, with the reason in `error`, on failure; `path` is then untouched.
//
// The rules of a save (links, read-only files, permissions, syncing the file
// and its folder) are those of AtomicFile, which every writer goes through.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         FileError* error = nullptr);

// `path` made absolute against the working directory, without "." and ".."
// steps; `path` itself when that fails.
std::string absolutePath(const std::string& path);

}  // namespace sorvel
