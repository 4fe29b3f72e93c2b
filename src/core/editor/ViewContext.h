#pragma once

#include "editor/Platform.h"
#include "editor/TransliterationState.h"
#include "text/RichEditSurface.h"

namespace sorvel {

// What a command of the editor view acts on: the view's text surface, the
// desktop's dialogs and the shared transliteration state.
struct ViewContext {
    RichEditSurface& surface;
    Platform& platform;
    TransliterationState& state;
};

}  // namespace sorvel
