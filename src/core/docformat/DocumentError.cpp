#include "docformat/DocumentError.h"

#include <cerrno>

#include "common/TextFiles.h"

namespace sorvel {

namespace {

std::string withPath(std::string text, const std::string& path) {
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) {
        text.replace(at, 2, path);
    }
    return text;
}

}  // namespace

std::string DocumentError::message() const {
    switch (kind) {
        case Kind::None:
            return std::string();
        case Kind::NotFound:
            return withPath(
                "%1\nCannot find this file.\nPlease verify that the correct path and file name "
                "are given.",
                path);
        case Kind::ReadDenied:
            return withPath("Unable to read from %1, it is opened by someone else.", path);
        case Kind::OpenFailed:
            return "Failed to open document.";
        case Kind::UnexpectedFormat:
            return "Unexpected file format.";
        case Kind::WriteDenied:
            return withPath("Unable to write to %1, it is read-only or opened by someone else.",
                            path);
        case Kind::DiskFull:
            return "Destination disk drive is full.";
        case Kind::SaveFailed:
            return "Failed to save document.";
        case Kind::NotAFile:
            return withPath(
                "%1\nThis is not a file that can hold a document: it is a folder, a "
                "device or a pipe.",
                path);
        case Kind::TooLarge:
            return withPath(
                "%1\nThis file is too large to be a document. Sorvel opens files of "
                "at most " +
                    std::to_string(kMaxFileBytes >> 20) + " MB.",
                path);
    }
    return std::string();
}

DocumentError::Kind DocumentError::ofOpenErrno(int number) {
    switch (number) {
        case ENOENT:
        case ENOTDIR:
            return Kind::NotFound;
        case EACCES:
        case EPERM:
        case EBUSY:
        case ETXTBSY:
        case EAGAIN:
            return Kind::ReadDenied;
        default:
            return Kind::OpenFailed;
    }
}

DocumentError::Kind DocumentError::ofSaveErrno(int number) {
    switch (number) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return Kind::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
        case ETXTBSY:
        case EAGAIN:
            return Kind::WriteDenied;
        default:
            return Kind::SaveFailed;
    }
}

}  // namespace sorvel
