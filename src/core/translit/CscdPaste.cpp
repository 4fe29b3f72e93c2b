#include "translit/CscdPaste.h"

#include "pali/TextReplace.h"
#include "translit/FormattedRewrite.h"

namespace sorvel {

namespace {

// Markers that keep a line break alive while all others are removed.
constexpr std::string_view kIndentMarker = "[T@]";
constexpr std::string_view kFullStopMarker = "[&&]";

// The clean-up written once for plain and for traced text.
template <class Text>
void rewrite(Text& text) {
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
    text.append("\r\n\r\n");
}

}  // namespace

std::string rewriteCscdText(std::string text) {
    rewrite(text);
    return text;
}

TracedText rewriteCscdText(TracedText text) {
    rewrite(text);
    return text;
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
