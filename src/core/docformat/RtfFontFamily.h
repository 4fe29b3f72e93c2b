#pragma once

#include <cstdint>
#include <string_view>

namespace sorvel {

// A font's pitch-and-family byte as RTF writes it: the family in the high
// four bits as a keyword (\fnil, \froman, ...) and the pitch in the low two
// bits as \fprqN.
namespace rtffamily {

// The keyword of the byte's family, or empty when RTF has none for it.
std::string_view keywordOf(uint8_t pitchAndFamily);
// The family bits (high four) that a family keyword stands for, or -1.
int familyOfKeyword(std::string_view keyword);
// True when \fprq and the family keyword carry the whole byte.
bool representable(uint8_t pitchAndFamily);

}  // namespace rtffamily

}  // namespace sorvel
