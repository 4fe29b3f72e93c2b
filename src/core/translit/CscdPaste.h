#pragma once

#include <memory>
#include <string>

#include "common/TextFilter.h"
#include "editor/ViewContext.h"

namespace sorvel {

// The clean-up of text copied from the CSCD reader: broken lines joined,
// hyphens at line ends removed, runs of blanks shrunk; an indented line and a
// line after a full stop and a blank keep their line break. Two breaks close
// the text.
std::string rewriteCscdText(std::string text);

// The same clean-up for text that comes in pieces, with the same output.
std::unique_ptr<TextFilter> cscdFilter();

// "Paste from CSCD": pastes the clipboard at the caret in "VriRomanPali CN",
// cleans it and leaves it selected (one undo step).
void pasteFromCscd(ViewContext& view);

}  // namespace sorvel
