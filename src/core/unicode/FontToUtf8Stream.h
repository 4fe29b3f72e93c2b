#pragma once

#include <array>
#include <string>

#include "common/TextFilter.h"
#include "pali/PaliFontKind.h"

namespace sorvel {

// 8-bit text in a font, as UTF-8, piece by piece: each byte is the character
// it stands for in the font (PaliCharMap), as UnicodeText::fromFontToUtf8
// gives it for the whole text. Every byte stands alone, so nothing is held
// back.
class FontToUtf8Stream : public TextFilter {
  public:
    FontToUtf8Stream(PaliFontKind kind, bool overdotM);

    void push(std::string_view in, std::string& out) override;
    void finish(std::string&) override {}

  private:
    std::array<std::string, 256> utf8_;
};

}  // namespace sorvel
