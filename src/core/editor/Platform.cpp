#include "editor/Platform.h"

#include "common/Cp1252.h"

namespace sorvel {

std::string FileFilter::shown() const {
    std::string patterns = pattern;
    for (char& c : patterns) {
        if (c == ';') {
            c = ' ';
        }
    }
    return label + " (" + patterns + ")";
}

void Platform::messageBoxUtf8(std::string_view utf8) {
    messageBox(Cp1252::fromUtf8(utf8));
}

bool Platform::askYesNoUtf8(std::string_view utf8, Answer defaultAnswer) {
    (void)defaultAnswer;
    return askYesNo(Cp1252::fromUtf8(utf8));
}

std::optional<FileChoice> Platform::chooseFileAndType(const FileDialogRequest& request) {
    std::optional<std::string> path = chooseFile(request);
    if (!path) {
        return std::nullopt;
    }
    return FileChoice{std::move(*path), request.selectedFilter};
}

}  // namespace sorvel
