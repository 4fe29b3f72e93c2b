#include "translit/CscdPaste.h"

#include "common/AppendFilter.h"
#include "pali/ReplaceSteps.h"
#include "translit/FormattedRewrite.h"

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

TracedText rewriteCscdText(TracedText text) {
    applySteps(text, cscdSteps());
    text.append(kClosingBreaks);
    return text;
}

std::unique_ptr<TextFilter> cscdFilter() {
    std::unique_ptr<FilterChain> chain = stepsFilter(cscdSteps());
    chain->add(std::make_unique<AppendFilter>(std::string(kClosingBreaks)));
    return chain;
}

void pasteFromCscd(ViewContext& view) {
    RichEditSurface& surface = view.surface;
    const Selection sel = surface.getSel();
    // The paste replaces the selection; at a caret it comes in the caret's
    // format, over a selection in that of the selection's first character.
    FontDescription format = sel.empty()
                                 ? surface.getCharFormatSelection()
                                 : surface.getRichTextRange(sel.start, sel.start + 1).formatAt(0);
    FontDescription cscd;
    cscd.mask = charmask::Bold | charmask::Italic | charmask::Color | charmask::Face;
    cscd.faceName = "VriRomanPali CN";
    cscd.effects = chareffect::AutoColor;
    format.merge(cscd);

    // Rich text on the clipboard brings its own fonts; the cleaned text is
    // CSCD text all the same, so it is set in the CSCD font throughout, the
    // rest of each character's format kept.
    RichText pasted = surface.getClipboardText(format);
    pasted.applyFormat(0, pasted.length(), cscd);
    const TracedText cleaned = rewriteCscdText(TracedText(pasted.text()));
    const ParaFormat caretParagraph = surface.getRichTextRange(sel.start, sel.start).paraFormat(0);
    const RichText result = FormattedRewrite::rebuild(pasted, cleaned, format, caretParagraph);
    if (!FormattedRewrite::putBack(view, result)) {
        return;
    }
    surface.setSel(sel.start, sel.start + result.length());
}

}  // namespace sorvel
