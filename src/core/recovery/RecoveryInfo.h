#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/FileStamp.h"

namespace sorvel {

// What a recovery copy needs beside the document to be restored: the file
// the document belongs to (none for a document never saved), its title, when
// the copy was taken, and the stamp of the document's file as the program
// last knew it, so that a restored document still notices a file changed by
// another program.
//
// Kept as a small text file of "key value" lines; a line break or backslash
// in a value is written escaped.
struct RecoveryInfo {
    std::string path;
    std::string title;
    std::int64_t writtenAt = 0;  // seconds since 1970
    std::optional<FileStamp> stamp;

    std::string format() const;
    // Nothing when `text` is not such a file, or lacks the title or the time.
    static std::optional<RecoveryInfo> parse(std::string_view text);

    // How the copy is named to the user: the file, or the title of a
    // document that has none, with the local time the copy was taken.
    std::string describe() const;

    friend bool operator==(const RecoveryInfo&, const RecoveryInfo&) = default;
};

}  // namespace sorvel
