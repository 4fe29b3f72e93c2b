#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// A text that remembers, for each of its characters, which character of the
// text it started as. Rewritten by the same whole-text replacements as a
// plain string, it tells a caller where each character of the result came
// from, so that the result can be put back with the formats of the original:
// what a replacement puts in comes from the first character it replaced, so
// a code that straddles two runs of formats converts as if whole and takes
// the format of its first character.
class TracedText {
  public:
    // Marks a character that came from no character of the original.
    static constexpr int32_t kNoOrigin = -1;

    TracedText() = default;
    // Every character is its own origin.
    explicit TracedText(std::string text);

    const std::string& text() const { return text_; }
    std::size_t size() const { return text_.size(); }
    // The position in the original of the character at `i`, or kNoOrigin.
    int32_t originAt(std::size_t i) const { return origins_[i]; }

    // Appends text that comes from no character of the original.
    void append(std::string_view text);
    // Appends one character that comes from `origin`.
    void push(char c, int32_t origin);

    // The whole-text replacement of pali/TextReplace.h, with the origins
    // following the text; the same result, the same count.
    friend std::size_t replaceAll(TracedText& text, std::string_view from, std::string_view to);

  private:
    std::string text_;
    std::vector<int32_t> origins_;
};

}  // namespace sorvel
