#include "editor/Platform.h"

#include "common/Cp1252.h"

namespace sorvel {

void Platform::messageBoxUtf8(std::string_view utf8) {
    messageBox(Cp1252::fromUtf8(utf8));
}

}  // namespace sorvel
