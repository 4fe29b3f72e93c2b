#include "pali/PaliComposition.h"

#include <array>

#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"

namespace sorvel {

namespace {

struct Decomposition {
    char32_t base;
    char32_t mark;
    char32_t letter;
};

// The combining mark of a letter, from the first character of its letter
// key: a long vowel's key is the vowel twice ("aa", "Aa"), the others are
// ".", "1" or "~" and the letter.
char32_t markOfKey(char first) {
    switch (first) {
        case '.':
            return 0x0323;
        case '1':
            return 0x0307;
        case '~':
            return 0x0303;
        default:
            return 0x0304;
    }
}

const std::array<Decomposition, kPaliLetterCount>& decompositions() {
    static const std::array<Decomposition, kPaliLetterCount> table = [] {
        std::array<Decomposition, kPaliLetterCount> t{};
        for (const PaliLetter& letter : paliLetters()) {
            const std::string_view key = letter.letterKey;
            const char32_t mark = markOfKey(key[0]);
            const char base = mark == 0x0304 ? key[0] : key[1];
            t[static_cast<std::size_t>(letter.number - 1)] = {static_cast<char32_t>(base), mark,
                                                              paliLetterUnicode(letter.number)};
        }
        return t;
    }();
    return table;
}

bool isMark(char32_t c) {
    return c == 0x0304 || c == 0x0323 || c == 0x0307 || c == 0x0303;
}

}  // namespace

char32_t PaliComposition::composePair(char32_t base, char32_t mark) {
    if (!isMark(mark)) {
        return 0;
    }
    for (const Decomposition& d : decompositions()) {
        if (d.base == base && d.mark == mark) {
            return d.letter;
        }
    }
    return 0;
}

std::u32string PaliComposition::compose(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && isMark(text[i + 1])) {
            if (const char32_t letter = composePair(text[i], text[i + 1])) {
                out += letter;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace sorvel
