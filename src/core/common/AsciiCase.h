#pragma once

#include <algorithm>
#include <string_view>

namespace sorvel {

// Case folding of the ASCII letters only: bytes above 127 are letters of
// different fonts at different codes, so no one case mapping holds for them.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

}  // namespace sorvel
