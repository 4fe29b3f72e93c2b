#pragma once

#include "unicode/UnicodeClipboard.h"

namespace sorvel {

// The desktop's clipboard as the Unicode commands see it: Copy as Unicode
// puts UTF-8 plain text (text/plain) and Unicode RTF (text/rtf and
// application/rtf) there, with the program's own token so that a plain Paste
// back into Sorvel takes the 8-bit original; Paste Unicode Pali reads the
// plain text and the RTF that another program put there.
class QtUnicodeClipboard : public UnicodeClipboard {
  public:
    void putUnicode(const RichText& original, std::string_view utf8, std::string_view rtf) override;
    Content unicodeContent() const override;
};

}  // namespace sorvel
