#pragma once

#include <string>
#include <string_view>

#include "editor/ViewContext.h"
#include "support/ScriptedPlatform.h"
#include "text/MemorySurface.h"

namespace sorvel::testing {

// A Font description naming only a face, the way a test sets up text.
inline FontDescription face(std::string_view name) {
    FontDescription f = RichText::standardFormat();
    f.faceName = name;
    return f;
}

// A font dialog answer choosing `name` at 12 points, regular.
inline FontChoice fontChoice(std::string_view name, int pointSizeTenths = 120) {
    FontChoice c;
    c.faceName = std::string(name);
    c.pointSizeTenths = pointSizeTenths;
    return c;
}

// An editor view without a window: an in-memory surface, a scripted
// platform and a transliteration state of its own.
struct TestView {
    MemorySurface surface;
    ScriptedPlatform platform;
    TransliterationState state;
    ViewContext view{surface, platform, state};

    // Sets the whole text in one face and puts the caret at its end.
    void setText(std::string_view text, std::string_view faceName = "Times New Roman");
    // Types each character at the caret and handles its key release, as a
    // person typing would; "\r\n" counts as one key.
    void type(std::string_view keys);
    std::string text() const { return surface.getWindowText(); }
};

}  // namespace sorvel::testing
