#pragma once

#include <string>

namespace sorvel {

// Why a document could not be opened or saved, as one of the messages the
// user is shown, with the file it concerns and a technical detail.
struct DocumentError {
    enum class Kind {
        None,
        NotFound,          // "%1\nCannot find this file. ..."
        ReadDenied,        // "Unable to read from %1, it is opened by someone else."
        OpenFailed,        // "Failed to open document."
        UnexpectedFormat,  // "Unexpected file format."
        WriteDenied,       // "Unable to write to %1, it is read-only or opened by someone else."
        DiskFull,          // "Destination disk drive is full."
        SaveFailed,        // "Failed to save document."
        NotAFile,          // a folder, a device or a pipe, refused before it is read
        TooLarge,          // larger than any document can be, refused before it is read
    };

    Kind kind = Kind::None;
    std::string path;
    std::string detail;  // what the system or the file format said; for logs and the console

    bool ok() const { return kind == Kind::None; }
    // The message box text, with %1 replaced by the path.
    std::string message() const;

    // The kind for an errno value of a failed open or read, and of a failed save.
    static Kind ofOpenErrno(int number);
    static Kind ofSaveErrno(int number);
};

}  // namespace sorvel
