#pragma once

#include <string>
#include <string_view>

namespace sorvel {

// One row of a code table: a typed code and the text that takes its place.
struct CodePair {
    std::string code;
    std::string replacement;

    friend bool operator==(const CodePair&, const CodePair&) = default;
};

// The code of the end pair, which closes every code table; readers stop at
// the first pair with this code and never use it.
inline constexpr std::string_view kEndCode = "EOA";

inline CodePair endPair() {
    return {std::string(kEndCode), std::string(kEndCode)};
}

}  // namespace sorvel
