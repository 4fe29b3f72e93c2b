#include "shell/SearchText.h"

#include "common/Cp1252.h"
#include "common/Utf8.h"
#include "pali/PaliComposition.h"
#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"

namespace sorvel {

namespace {

constexpr int kOverdotSmallM = 13;  // the one letter without a capital

// A letter's standard spelling: its intermediate key, with the double quote
// that standard transliteration writes before the overdot letters.
std::string spelling(int letter) {
    std::string s(paliLetters()[letter - 1].letterKey);
    if (s[0] == '1') {
        s[0] = '"';
    }
    return s;
}

// The letter that is the other case of `letter`: letters come in pairs,
// small then capital, but for overdot m.
int otherCase(int letter) {
    if (letter == kOverdotSmallM) {
        return letter;
    }
    const bool small = letter < kOverdotSmallM ? letter % 2 == 1 : letter % 2 == 0;
    return small ? letter + 1 : letter - 1;
}

unsigned char fold(unsigned char c, bool matchCase) {
    if (!matchCase && c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c - 'A' + 'a');
    }
    return c;
}

bool sameBytes(std::string_view text, long at, std::string_view what, bool matchCase) {
    if (at + static_cast<long>(what.size()) > static_cast<long>(text.size())) {
        return false;
    }
    for (std::size_t i = 0; i < what.size(); ++i) {
        if (fold(static_cast<unsigned char>(text[at + static_cast<long>(i)]), matchCase) !=
            fold(static_cast<unsigned char>(what[i]), matchCase)) {
            return false;
        }
    }
    return true;
}

// How many characters of `text` at `at` are the letter (or, unless
// `matchCase`, its other case); 0 when none. `typed` is the character the
// user typed for it: typed as the code page's ñ, it still finds that byte
// wherever it stands, as a search for it always did.
long letterAt(std::string_view text, long at, int letter, std::string_view typed, bool matchCase,
              const SearchText::KindAt& kindAt) {
    const auto c = static_cast<unsigned char>(text[at]);
    const int letters[2] = {letter, matchCase ? letter : otherCase(letter)};
    if (c >= 0x80) {
        const PaliFontKind kind = kindAt ? kindAt(at) : PaliFontKind::NoPaliFont;
        for (const int l : letters) {
            if (isPaliFont(kind) ? c == fontCharacter(l, kind)
                                 : Cp1252::fromUnicode(paliLetterUnicode(l)) == c) {
                return 1;
            }
        }
        return typed.size() == 1 && static_cast<unsigned char>(typed[0]) == c ? 1 : 0;
    }
    for (const int l : letters) {
        if (sameBytes(text, at, spelling(l), matchCase)) {
            return 2;
        }
    }
    return 0;
}

}  // namespace

SearchText SearchText::typed(std::string_view utf8) {
    SearchText out;
    out.shown_ = std::string(utf8);
    const std::u32string chars = PaliComposition::compose(Utf8::toUtf32(utf8));
    for (std::size_t i = 0; i < chars.size(); ++i) {
        Piece piece;
        if (const int letter = paliLetterOfUnicode(chars[i])) {
            piece.letter = letter;
            const std::optional<uint8_t> byte = Cp1252::fromUnicode(chars[i]);
            piece.plain = byte ? std::string(1, static_cast<char>(*byte)) : spelling(letter);
        } else {
            if (i + 1 < chars.size() && chars[i] < 0x80 && chars[i + 1] < 0x80) {
                const std::string code{static_cast<char>(chars[i]),
                                       static_cast<char>(chars[i + 1])};
                for (int l = 1; l <= kPaliLetterCount && piece.letter == 0; ++l) {
                    if (spelling(l) == code) {
                        piece.letter = l;
                        piece.plain = code;
                    }
                }
            }
            if (piece.letter) {
                ++i;
            } else {
                piece.plain =
                    std::string(1, static_cast<char>(Cp1252::fromUnicode(chars[i]).value_or('?')));
            }
        }
        out.letters_ = out.letters_ || piece.letter != 0;
        out.pieces_.push_back(std::move(piece));
    }
    return out;
}

SearchText SearchText::bytes(std::string_view bytes) {
    SearchText out;
    out.shown_ = Cp1252::toUtf8(bytes);
    for (const char c : bytes) {
        out.pieces_.push_back(Piece{0, std::string(1, c)});
    }
    return out;
}

long SearchText::matchAt(std::string_view text, long at, bool matchCase,
                         const KindAt& kindAt) const {
    if (pieces_.empty() || at < 0) {
        return 0;
    }
    long p = at;
    for (const Piece& piece : pieces_) {
        if (p >= static_cast<long>(text.size())) {
            return 0;
        }
        if (piece.letter == 0) {
            if (!sameBytes(text, p, piece.plain, matchCase)) {
                return 0;
            }
            ++p;
            continue;
        }
        const long n = letterAt(text, p, piece.letter, piece.plain, matchCase, kindAt);
        if (n == 0) {
            return 0;
        }
        p += n;
    }
    return p - at;
}

std::string SearchText::in(PaliFontKind kind) const {
    std::string out;
    for (const Piece& piece : pieces_) {
        if (piece.letter && isPaliFont(kind)) {
            out += static_cast<char>(fontCharacter(piece.letter, kind));
        } else {
            out += piece.plain;
        }
    }
    return out;
}

}  // namespace sorvel
