#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/SearchText.h"
#include "text/RichEditSurface.h"

namespace sorvel {

// Finding text in a document's 8-bit text, for the Find and Replace dialogs.
//
// Case is ignored only for the ASCII letters (and between a Pali letter and
// its capital) when asked: above 127 the Pali fonts keep letters whose
// capitals are not where the code page puts them, so those bytes always
// match exactly. A whole word is one with no letter, digit, "_" or byte
// above 127 right before or after it. Pali letters in what is looked for
// match in each run by that run's font (see SearchText).
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
    // `kindAt` gives the font of each character (none: no Pali fonts).
    static std::optional<Selection> find(std::string_view text, const SearchText& what,
                                         Selection from, const SearchOptions& options,
                                         const SearchText::KindAt& kindAt = {});
    // The same for a text of bytes that knows no Pali letters.
    static std::optional<Selection> find(std::string_view text, std::string_view what,
                                         Selection from, const SearchOptions& options);
    // True when `candidate` is a match of `what` under the options (the
    // Replace button replaces the selection only when it is one).
    static bool matches(std::string_view text, Selection candidate, const SearchText& what,
                        const SearchOptions& options, const SearchText::KindAt& kindAt = {});

    // The Find and Replace dialogs' work on a surface. Each gives whether it
    // found anything.
    static bool findNext(RichEditSurface& surface, const SearchText& what,
                         const SearchOptions& options);
    // Replaces the selection when it is a match, then selects the next one.
    // The replacement's Pali letters go in as the letters of the font there.
    static bool replace(RichEditSurface& surface, const SearchText& what, const SearchText& with,
                        const SearchOptions& options);
    // Replaces every match from the start of the text; gives their number.
    static int replaceAll(RichEditSurface& surface, const SearchText& what, const SearchText& with,
                          const SearchOptions& options);

    // The message when nothing is found (UTF-8).
    static std::string notFoundMessage(const SearchText& what);
};

}  // namespace sorvel
