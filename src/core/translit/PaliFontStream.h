#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/TextFilter.h"
#include "pali/PaliFontKind.h"

namespace sorvel {

// Pali font conversion of an 8-bit text file that comes in pieces, in one
// pass: every line end (CR LF, a lone LF or a lone CR) becomes `lineBreak`,
// and the letters and intermediate codes are converted as
// convertPaliFontText converts them. A byte that can start neither a line
// end nor a code goes through a table of 256 entries; only CR, LF and '['
// take the slow path. `target` must be one of the five Pali fonts.
class PaliFontStream : public TextFilter {
  public:
    PaliFontStream(PaliFontKind source, PaliFontKind target, std::string lineBreak = "\r\n");

    void push(std::string_view in, std::string& out) override;
    void finish(std::string& out) override;

  private:
    // Converts from the start of `in` and gives how many bytes it used; it
    // stops early, unless `last`, at a CR or '[' that the bytes after it
    // decide and that are not there yet.
    std::size_t convert(std::string_view in, bool last, std::string& out);

    // The converted byte, or kSlow for CR, LF and '['.
    static constexpr uint16_t kSlow = 0x100;
    std::array<uint16_t, 256> table_{};
    std::array<uint8_t, 128> high_{};  // the bytes from 128 up, converted
    std::array<char, 22> letters_{};   // the target's byte of each letter, by number
    std::string lineBreak_;
    std::string pending_;
};

}  // namespace sorvel
