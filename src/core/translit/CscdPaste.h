#pragma once

#include <memory>
#include <string>

#include "common/TextFilter.h"
#include "editor/ViewContext.h"
#include "pali/TracedText.h"

namespace sorvel {

// The clean-up of text copied from the CSCD reader: broken lines joined,
// hyphens at line ends removed, runs of blanks shrunk; an indented line and a
// line after a full stop and a blank keep their line break. Two breaks close
// the text.
std::string rewriteCscdText(std::string text);
// The same clean-up, telling where each character of the result came from.
TracedText rewriteCscdText(TracedText text);

// The same clean-up for text that comes in pieces, with the same output.
std::unique_ptr<TextFilter> cscdFilter();

// "Paste from CSCD": pastes the clipboard in place of the selection in
// "VriRomanPali CN" (bold and italic off, automatic colour; size and the rest
// of the format as they come), cleans it and leaves it selected. One step of
// undo; a result the document cannot hold is refused whole.
void pasteFromCscd(ViewContext& view);

}  // namespace sorvel
