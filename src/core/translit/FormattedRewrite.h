#pragma once

#include <functional>
#include <string>

#include "editor/ViewContext.h"
#include "pali/TracedText.h"
#include "text/RichText.h"

namespace sorvel {

// Putting rewritten text back with the formats it had. The conversions and
// the clean-up of pasted CSCD text rewrite plain text by whole-text
// replacements; traced, the rewrite says where each character of the result
// came from, and the result is rebuilt run by run: each character in the
// character format of the character it came from, each paragraph break in
// the paragraph format of the paragraph that character was in. So bold
// words stay bold and centred lines centred.
class FormattedRewrite {
  public:
    // `source` rebuilt from `rewritten`, a traced rewrite of its text.
    // Characters that came from nowhere take `loose` and, for a paragraph
    // break, `looseParagraph`.
    static RichText rebuild(const RichText& source, const TracedText& rewritten,
                            const FontDescription& loose, const ParaFormat& looseParagraph);

    // Reads the selection with its formats, applies the masked properties of
    // `applied` to every character of it (when given), rewrites its text by
    // `rewrite` and puts the result back in place of the selection as one
    // step of undo; the caret ends after it. False, after a message and with
    // nothing changed, when the result would not fit into the document.
    static bool rewriteSelection(ViewContext& view, const std::function<void(TracedText&)>& rewrite,
                                 const FontDescription* applied = nullptr);

    // Replaces the selection by `text` as one step of undo when the document
    // can hold the result; otherwise shows the message below and changes
    // nothing. Never cuts the text short, as a paste at the limit would.
    static bool putBack(ViewContext& view, const RichText& text);

    // The message when a result would not fit under a text limit of `limit`.
    static std::string tooLongMessage(long limit);
};

}  // namespace sorvel
