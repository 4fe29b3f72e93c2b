#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pali/PaliFontKind.h"

namespace sorvel {

// What the Find and Replace dialogs look for or put in, read from what the
// user typed (UTF-8).
//
// A document holds Pali in two forms: as the letters of a Pali font, each
// font with bytes of its own, and as plain standard transliteration ("aa",
// ".n", "~n", a double quote before n ...). So a Pali letter in the text
// typed (a Unicode Pali letter, also one made with a combining accent, or a
// standard code) stands for that letter in either form: in a run of one of
// the five Pali fonts, the letter's byte in that font; anywhere, its
// standard spelling, and where the code page has the letter (ñ, Ñ), that
// character. Every other character stands for its own Windows-1252 byte
// ("?" where the code page has none), as before; so does every byte of a
// text made with bytes(), which knows no Pali letters.
class SearchText {
  public:
    // The font kind of the character at a position of the text searched.
    using KindAt = std::function<PaliFontKind(long)>;

    static SearchText typed(std::string_view utf8);
    static SearchText bytes(std::string_view bytes);

    bool empty() const { return pieces_.empty(); }
    // Whether a match depends on the fonts of the text.
    bool hasLetters() const { return letters_; }
    // The text as the user typed it, for messages (UTF-8).
    const std::string& shown() const { return shown_; }

    // The length of the match that starts at `at` in `text`, or 0. Without
    // `kindAt` no character is in a Pali font. Case is ignored for the ASCII
    // letters and between a Pali letter and its capital unless `matchCase`.
    long matchAt(std::string_view text, long at, bool matchCase, const KindAt& kindAt = {}) const;

    // The bytes that the text puts into a run of font `kind`: each Pali
    // letter as the font's byte in one of the five Pali fonts, else as it
    // was typed (a Unicode letter as the code page's character where there
    // is one, else as its standard spelling).
    std::string in(PaliFontKind kind) const;

  private:
    struct Piece {
        int letter = 0;     // a Pali letter's number, or 0 for a character
        std::string plain;  // what stands for it outside the Pali fonts
    };

    std::vector<Piece> pieces_;
    std::string shown_;
    bool letters_ = false;
};

}  // namespace sorvel
