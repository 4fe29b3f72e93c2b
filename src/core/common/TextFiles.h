#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// Why a file could not be read or written.
struct FileError {
    std::string message;      // e.g. "cannot open /x: No such file or directory"
    int errorNumber = 0;      // the errno value
    bool openFailed = false;  // could not be opened at all (missing, not allowed, a folder),
                              // as against failing while it was read or written
};

// Reads a whole file as bytes; nothing, with the reason in `error`, on failure.
std::optional<std::string> readWholeFile(const std::string& path, FileError* error = nullptr);

// Writes `bytes` to a new file beside `path` and renames it over `path`, so
// that `path` holds either its old content or all of the new, never a part.
// False, with the reason in `error`, on failure; `path` is then untouched.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         FileError* error = nullptr);

// `path` made absolute against the working directory, without "." and ".."
// steps; `path` itself when that fails.
std::string absolutePath(const std::string& path);

}  // namespace sorvel
