#pragma once

#include <array>
#include <string_view>

#include "pali/CodePair.h"
#include "pali/PaliFontKind.h"

namespace sorvel {

inline constexpr int kKeystrokeCodeCount = 34;
inline constexpr int kKeystrokeTableSize = 50;

using KeystrokeTable = std::array<CodePair, kKeystrokeTableSize>;

// A typed code and the number of the letter it gives, in keystroke order.
struct KeystrokeCode {
    std::string_view code;
    int letterNumber;
};

// The 34 codes of every Pali keystroke table, in table order.
const std::array<KeystrokeCode, kKeystrokeCodeCount>& keystrokeCodes();

// The keystroke table of one of the five Pali fonts: the 34 pairs, then the
// end pair, then empty pairs that are never read.
const KeystrokeTable& keystrokeTable(PaliFontKind kind);

}  // namespace sorvel
