#include "usertable/TableFileDialog.h"

#include "common/AsciiCase.h"

namespace sorvel {

namespace {

constexpr std::string_view kFailureAdvice =
    "\n\nMake certain that the file is not opened and in use in some program (such as your word "
    "processor).\n\nIf the file is open in another program, it may be 'locked'.";

// The extension of the file name at the end of `path`, without the dot;
// nothing when the name has no dot at all.
std::optional<std::string_view> extensionOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    return name.substr(dot + 1);
}

}  // namespace

std::optional<std::string> chooseTableFile(Platform& platform, bool save) {
    FileDialogRequest request;
    request.save = save;
    request.filters = {{"Text Files", "*.txt"}};
    request.defaultExtension = "txt";
    request.initialName = "*.txt";
    request.hideReadOnly = true;
    std::optional<std::string> path = platform.chooseFile(request);
    if (!path) {
        return std::nullopt;
    }
    // The dialog adds the default extension to a name typed without one; a
    // dialog that leaves it out gets the same treatment here.
    std::optional<std::string_view> extension = extensionOf(*path);
    if (!extension && !path->empty() && path->back() != '/') {
        *path += ".txt";
        extension = "txt";
    }
    if (!extension || !equalsIgnoringAsciiCase(*extension, "txt")) {
        platform.messageBox(kWrongExtensionMessage);
        return std::nullopt;
    }
    return path;
}

std::string openFailureMessage(std::string_view path) {
    return "Unable to open file:\n\n" + std::string(path) + std::string(kFailureAdvice);
}

std::string readFailureMessage(std::string_view path) {
    return "Unable to read file:\n\n" + std::string(path) + std::string(kFailureAdvice);
}

std::string readWholeFailureMessage(std::string_view path, const FileError& error) {
    // A folder or a device cannot be opened as a table; a file far too large
    // gets its reason, which no other message gives.
    if (error.refused == FileError::Refusal::TooLarge) {
        return "Unable to read file:\n\n" + std::string(path) + "\n\nIt is larger than " +
               std::to_string(kMaxFileBytes >> 20) + " MB, far larger than any table can be.";
    }
    return error.openFailed ? openFailureMessage(path) : readFailureMessage(path);
}

}  // namespace sorvel
