#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace sorvel::bench {

// Pali-like text in VriRomanPali: words of ASCII letters with about one
// special letter in eight characters, and a paragraph break about every
// sixty characters. The same size always gives the same text.
inline std::string paliText(std::size_t size) {
    static const char kPlain[] = "abcdeghijklmnoprstuvy";
    static const unsigned char kSpecial[] = {177, 178, 179, 185, 186, 188, 189, 181, 241, 170};
    std::mt19937 rng(42);
    std::string s;
    s.reserve(size + 8);
    while (s.size() < size) {
        const unsigned r = rng() % 60;
        if (r < 8) {
            s += static_cast<char>(kSpecial[rng() % sizeof kSpecial]);
        } else if (r < 16) {
            s += ' ';
        } else if (r == 16) {
            s += "\r\n";
        } else {
            s += kPlain[rng() % (sizeof kPlain - 1)];
        }
    }
    s.resize(size);
    return s;
}

}  // namespace sorvel::bench
