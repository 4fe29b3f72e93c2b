#pragma once

#include <string_view>
#include <utility>

#include "text/RichEditSurface.h"
#include "text/RichText.h"

namespace sorvel {

// The rules every rich-edit surface applies in the same way, written once so
// that the in-memory surface and the window's surface cannot drift apart.
// Positions are surface positions (a paragraph break counts two); keeping a
// position out of the middle of a break is each surface's own business.
class SurfaceRules {
  public:
    // The longest text a document holds, breaks counted as two characters.
    static constexpr long kTextLimit = 16'777'215;

    // The range that selecting [start, end) makes in a text of `length`
    // characters: an end of -1 (or past the text) is the end of the text, a
    // start outside the text is brought into it, and a reversed range is
    // turned round.
    static Selection selectionRange(long start, long end, long length);

    // The characters that reading the text of [start, end) covers: the range
    // clipped to the text, empty when the end comes first.
    static Selection textRange(long start, long end, long length);

    // The range that reading rich text of [start, end) covers: an end of -1
    // (or past the text) is the end of the text, and the start lies between 0
    // and the end.
    static Selection richRange(long start, long end, long length);

    // Whether a replacement of `selection` is no edit at all: nothing
    // selected and nothing to put in. Such a call marks nothing changed and
    // records nothing for undo.
    static bool replacesNothing(bool nothingSelected, bool nothingToInsert) {
        return nothingSelected && nothingToInsert;
    }

    // The first and last paragraph that a selection touches, given the
    // number of the paragraph that holds a position: a caret touches its own
    // paragraph, a selection ends in the paragraph of its last character.
    template <class ParagraphAt>
    static std::pair<int, int> selectedParagraphs(Selection selection, ParagraphAt paragraphAt) {
        const int first = paragraphAt(selection.start);
        const int last = selection.empty() ? first : paragraphAt(selection.end - 1);
        return {first, last};
    }

    // The characters left under `limit` for what replaces a selection of
    // `selectedLength` characters.
    static long room(long textLength, long selectedLength, long limit = kTextLimit) {
        return limit - (textLength - selectedLength);
    }

    // How many characters of `text` (8-bit, breaks as CR LF, CR or LF) fit
    // into `room` surface characters without cutting a break in two.
    static long fittingLength(std::string_view text, long room);

    // Plain text as a paste brings it: in `format`, each of its paragraphs in
    // `paragraph`, the format of the paragraph where it goes.
    static RichText plainPaste(std::string_view text, const FontDescription& format,
                               const ParaFormat& paragraph);
};

}  // namespace sorvel
