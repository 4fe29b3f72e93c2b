#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/RichText.h"

namespace sorvel {

// The clipboard in the forms that other programs exchange Unicode text in:
// plain text (UTF-8) and RTF, whose characters beyond a run's code page
// travel as \uN. The surface's own copy and paste carry the document's 8-bit
// text; this is the door through which Pali leaves and enters in Unicode.
class UnicodeClipboard {
  public:
    // What the clipboard offers: RTF where some program put RTF there, and
    // the text as UTF-8 where it holds text.
    struct Content {
        std::optional<std::string> rtf;
        std::optional<std::string> utf8;
    };

    virtual ~UnicodeClipboard() = default;

    // Replaces what the clipboard holds by `utf8` as plain text and `rtf` as
    // RTF. `original` is the 8-bit rich text they were made from: a paste
    // back into this program takes it as it was.
    virtual void putUnicode(const RichText& original, std::string_view utf8,
                            std::string_view rtf) = 0;
    virtual Content unicodeContent() const = 0;
};

}  // namespace sorvel
