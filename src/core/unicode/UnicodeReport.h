#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// The characters that could not be put into an 8-bit font: how many, and
// where the first of them are. Lines (paragraphs) and columns (characters
// within the line, after composition) count from 1. A character that some
// other font than the one the report is about could not take names that font.
class UnicodeReport {
  public:
    struct Character {
        char32_t character;
        long line;
        long column;
        std::string face = {};  // empty: the font the report is about
        friend bool operator==(const Character&, const Character&) = default;
    };

    // Only this many are kept with their places; count() counts them all.
    static constexpr std::size_t kMaxListed = 1000;

    void add(char32_t character, long line, long column, std::string_view face = {});
    bool empty() const { return count_ == 0; }
    long count() const { return count_; }
    const std::vector<Character>& listed() const { return listed_; }

    // One line for people: "2 characters that Times_CSX+ cannot show:
    // U+03B1 "α" at line 2, column 5; U+00E0 "à" at line 4, column 1",
    // listing at most `shown` of them. When some are another font's, the
    // line says "that their fonts cannot show" and names the font of each.
    std::string describe(std::string_view fontName, std::size_t shown = 3) const;

  private:
    long count_ = 0;
    std::vector<Character> listed_;
};

}  // namespace sorvel
