#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sorvel {

// UTF-8 encoding and decoding, strict: overlong forms, surrogates and code
// points beyond U+10FFFF are malformed.
class Utf8 {
  public:
    static constexpr char32_t kReplacement = 0xFFFD;

    // Appends the UTF-8 form of `ch`.
    static void append(std::string& out, char32_t ch);
    // Decodes the character at `i` and moves `i` past it; a malformed
    // sequence gives U+FFFD and moves past one byte.
    static char32_t decode(std::string_view s, std::size_t& i);

    static std::u32string toUtf32(std::string_view utf8);
    static std::string fromUtf32(std::u32string_view text);

    // The offset of the first malformed sequence, or nothing when `utf8` is
    // well-formed.
    static std::optional<std::size_t> firstMalformed(std::string_view utf8);
    // True when `ch` shows as itself in a message: no control character,
    // combining mark, surrogate or replacement character.
    static bool isShowable(char32_t ch);
    // `text` without a leading byte-order mark.
    static std::string_view withoutByteOrderMark(std::string_view text);
};

}  // namespace sorvel
