#include "translit/CscdPaste.h"

#include "common/AppendFilter.h"
#include "pali/ReplaceSteps.h"

namespace sorvel {

namespace {

// Markers that keep a line break alive while all others are removed.
constexpr std::string_view kIndentMarker = "[T@]";
constexpr std::string_view kFullStopMarker = "[&&]";

const ReplaceSteps& cscdSteps() {
    static const ReplaceSteps steps = {
        {"\x85", "..."},
        {"\r\n   ", std::string(kIndentMarker)},
        {"  ", " ", true},
        {". \r\n", std::string(kFullStopMarker)},
        {"-\r\n", ""},
        {" \r\n", " "},
        {"\r\n", ""},
        {std::string(kFullStopMarker), ".\r\n"},
        {std::string(kIndentMarker), "\r\n"},
        {"\r\n ", "\r\n"},
    };
    return steps;
}

// Two breaks close the cleaned text.
constexpr std::string_view kClosingBreaks = "\r\n\r\n";

}  // namespace

std::string rewriteCscdText(std::string text) {
    applySteps(text, cscdSteps());
    text += kClosingBreaks;
    return text;
}

std::unique_ptr<TextFilter> cscdFilter() {
    std::unique_ptr<FilterChain> chain = stepsFilter(cscdSteps());
    chain->add(std::make_unique<AppendFilter>(std::string(kClosingBreaks)));
    return chain;
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
