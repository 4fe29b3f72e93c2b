#include "translit/CscdPaste.h"

#include "pali/TextReplace.h"

namespace sorvel {

namespace {

// Markers that keep a line break alive while all others are removed.
constexpr std::string_view kIndentMarker = "[T@]";
constexpr std::string_view kFullStopMarker = "[&&]";

}  // namespace

std::string rewriteCscdText(std::string text) {
    replaceAll(text, "\x85", "...");
    replaceAll(text, "\r\n   ", kIndentMarker);
    while (replaceAll(text, "  ", " ") > 0) {
    }
    replaceAll(text, ". \r\n", kFullStopMarker);
    replaceAll(text, "-\r\n", "");
    replaceAll(text, " \r\n", " ");
    replaceAll(text, "\r\n", "");
    replaceAll(text, kFullStopMarker, ".\r\n");
    replaceAll(text, kIndentMarker, "\r\n");
    replaceAll(text, "\r\n ", "\r\n");
    text += "\r\n\r\n";
    return text;
}

void pasteFromCscd(ViewContext& view) {
    RichEditSurface& surface = view.surface;
    surface.clear();

    FontDescription format = surface.getCharFormatSelection();
    format.mask = charmask::Bold | charmask::Italic | charmask::Color | charmask::Face;
    format.faceName = "VriRomanPali CN";
    format.effects =
        (format.effects & ~(chareffect::Bold | chareffect::Italic)) | chareffect::AutoColor;
    surface.setCharFormat(format);

    const long start = surface.getSel().start;
    const long before = surface.getTextLength();
    surface.paste();
    const long pasted = surface.getTextLength() - before;
    surface.setSel(start, start + pasted);
    // Rich text on the clipboard brings its own fonts; the cleaned text is
    // CSCD text all the same, so it is set in the CSCD font throughout.
    if (pasted > 0) {
        surface.setCharFormat(format);
    }

    const std::string cleaned = rewriteCscdText(surface.getSelText());
    surface.replaceSel(cleaned, true);
    surface.setSel(start, start + static_cast<long>(cleaned.size()));
}

}  // namespace sorvel
