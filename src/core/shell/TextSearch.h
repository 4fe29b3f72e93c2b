#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/RichEditSurface.h"

namespace sorvel {

// Finding text in a document's 8-bit text, for the Find and Replace dialogs.
//
// Case is ignored only for the ASCII letters when asked: above 127 the Pali
// fonts keep letters whose capitals are not where the code page puts them,
// so those bytes always match exactly. A whole word is one with no letter,
// digit, "_" or byte above 127 right before or after it.
struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

class TextSearch {
  public:
    // The next match of `what` in `text` from the selection `from`: going
    // down, the first that starts at or after its end; going up, the last
    // that ends at or before its start. When there is none on that side the
    // search goes round from the other end of the text, back to `from`.
    static std::optional<Selection> find(std::string_view text, std::string_view what,
                                         Selection from, const SearchOptions& options);
    // True when `candidate` is a match of `what` under the options (the
    // Replace button replaces the selection only when it is one).
    static bool matches(std::string_view text, Selection candidate, std::string_view what,
                        const SearchOptions& options);

    // The Find and Replace dialogs' work on a surface. Each gives whether it
    // found anything.
    static bool findNext(RichEditSurface& surface, std::string_view what,
                         const SearchOptions& options);
    // Replaces the selection when it is a match, then selects the next one.
    static bool replace(RichEditSurface& surface, std::string_view what, std::string_view with,
                        const SearchOptions& options);
    // Replaces every match from the start of the text; gives their number.
    static int replaceAll(RichEditSurface& surface, std::string_view what, std::string_view with,
                          const SearchOptions& options);

    // The message when nothing is found.
    static std::string notFoundMessage(std::string_view what);
};

}  // namespace sorvel
