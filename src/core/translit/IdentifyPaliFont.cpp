#include "translit/IdentifyPaliFont.h"

namespace sorvel {

PaliFontKind identifyPaliFont(std::string_view faceName, const TransliterationState& state) {
    if (!state.userTableFont.empty() && faceName.starts_with(state.userTableFont)) {
        return PaliFontKind::UserTableFont;
    }
    return paliFontByPrefix(faceName);
}

}  // namespace sorvel
