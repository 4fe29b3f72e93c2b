#pragma once

#include "unicode/UnicodeClipboard.h"

namespace sorvel {

// The Unicode clipboard held in memory, for the window-less editor of the
// tests: it holds what was last put there, or what a test offers as if
// another program had copied it.
class MemoryUnicodeClipboard : public UnicodeClipboard {
  public:
    void putUnicode(const RichText& original, std::string_view utf8,
                    std::string_view rtf) override {
        original_ = original;
        content_ = {std::string(rtf), std::string(utf8)};
    }
    Content unicodeContent() const override { return content_; }

    // Another program's copy: whichever forms it offers.
    void offer(std::optional<std::string> rtf, std::optional<std::string> utf8) {
        original_.reset();
        content_ = {std::move(rtf), std::move(utf8)};
    }
    // The 8-bit text of the last putUnicode, while nothing else came after it.
    const std::optional<RichText>& original() const { return original_; }

  private:
    std::optional<RichText> original_;
    Content content_;
};

}  // namespace sorvel
