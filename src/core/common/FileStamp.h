#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sorvel {

// What a file looked like at one moment: which file it was (device and
// inode) and its size and time of last change. Two stamps of one path that
// differ mean that the file was written or replaced in between.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // nanoseconds since 1970

    // The stamp of the file at `path` (following links); nothing when there
    // is none.
    static std::optional<FileStamp> of(const std::string& path);

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace sorvel
