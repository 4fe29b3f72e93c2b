#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorvel {

// Replaces every occurrence of `from` in `text` by `to`, scanning left to
// right, matches not overlapping, byte for byte; what a step inserts is not
// scanned again by the same step. One pass that builds a new string, so the
// cost is linear in the text whatever the number of matches. Gives the number
// of replacements; an empty `from` matches nothing.
std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace sorvel
