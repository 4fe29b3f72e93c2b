#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// The lines of an 8-bit text file read in text mode: a line ends at each LF,
// and a CR right before that LF belongs to the line end (so CR LF and a bare
// LF both end a line). Any other CR stays in the line. A last line without a
// line end counts; a file that ends with a line end has no empty line after it.
std::vector<std::string_view> splitTextLines(std::string_view bytes);

// The C library's white space: space, TAB, LF, VT, FF and CR. Bytes 128 to 255
// are never white space, whatever the locale.
constexpr bool isCWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// `text` without white space at either end.
std::string_view trimWhiteSpace(std::string_view text);

// A decimal number read as the C library's atoi and atol read it: leading
// white space skipped, an optional sign, then digits up to the first
// non-digit; no digits give 0. The value is accumulated modulo 2^32, so a
// number of any length gives its value's low 32 bits (and "-60" gives the
// same bits as 4294967236).
uint32_t parseDecimalModulo32(std::string_view text);

}  // namespace sorvel
