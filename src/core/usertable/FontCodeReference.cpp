#include "usertable/FontCodeReference.h"

#include <cstdio>

#include "editor/FontDialogRules.h"
#include "usertable/TableAuthoring.h"
#include "usertable/TableTexts.h"

namespace sorvel {

namespace {

constexpr std::string_view kHeadingAfterFace =
    ": A Code Reference Table\n\nMany people do not know this: if you are working with a Windows "
    "program (such as your word processor) you can get these characters in your document the "
    "following way:\n\n1. Press down and hold the Alt key\n2. Use the numeric keypad to enter all "
    "four digits in the number\n3. Release the Alt Key.\n\nYou can see why transliteration is so "
    "handy. Normally, you would have to remember all of these codes; use both hands and five "
    "keystrokes to enter a single character. Plus, you would have to remember which fonts have "
    "which characters; and the character codes can be different for every font. "
    "Whew!\n\nTransliteration is a lot easier than that.\n\n";

constexpr std::string_view kNotSupported = "Not Supported by Windows\n";

std::string codeLabel(int code) {
    char label[8];
    std::snprintf(label, sizeof label, "%04d\t", code);
    return label;
}

}  // namespace

std::string fontCodeReferenceHeading(std::string_view faceName) {
    return std::string(faceName) + std::string(kHeadingAfterFace);
}

std::string fontCodeReferenceRow(int code) {
    if (isUnsupportedByWindows(code)) {
        return codeLabel(code) + std::string(kNotSupported);
    }
    return codeLabel(code) + static_cast<char>(code) + '\n';
}

void makeFontCodeReferenceTable(ViewContext& view) {
    RichEditSurface& surface = view.surface;
    if (!view.platform.askYesNo(kFontCodeReferenceQuestion) || !confirmTableDocument(view)) {
        return;
    }
    const std::optional<FontDescription> font =
        FontDialogRules::run(view.platform, surface.getCharFormatSelection());
    if (!font) {
        return;
    }
    surface.replaceSel(fontCodeReferenceHeading(font->faceName), false);
    // The codes stay in the format the heading was typed in; only the
    // characters are in the chosen font.
    const FontDescription label = surface.getCharFormatSelection();
    for (int code = kFirstListedCode; code <= kLastListedCode; ++code) {
        surface.setCharFormat(label);
        surface.replaceSel(codeLabel(code), false);
        if (isUnsupportedByWindows(code)) {
            surface.replaceSel(kNotSupported, false);
        } else {
            surface.setCharFormat(*font);
            surface.replaceSel(std::string{static_cast<char>(code), '\n'}, false);
        }
    }
    surface.setSel(0, 0);
    surface.setModify(true);
}

}  // namespace sorvel
