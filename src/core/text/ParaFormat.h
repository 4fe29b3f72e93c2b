#pragma once

#include <cstdint>

namespace sorvel {

// Mask bits of a paragraph format.
namespace paramask {
inline constexpr uint32_t StartIndent = 0x1;
inline constexpr uint32_t Offset = 0x4;
inline constexpr uint32_t Alignment = 0x8;
inline constexpr uint32_t Numbering = 0x20;
inline constexpr uint32_t StartIndentRelative = 0x80000000;
inline constexpr uint32_t All = StartIndent | Offset | Alignment | Numbering;
}  // namespace paramask

namespace numbering {
inline constexpr uint16_t None = 0;
inline constexpr uint16_t Bullet = 1;
}  // namespace numbering

namespace alignment {
inline constexpr uint16_t Left = 1;
inline constexpr uint16_t Right = 2;
inline constexpr uint16_t Center = 3;
}  // namespace alignment

// The paragraph-format record. Indents are in twips: `startIndent` is the
// indent of the paragraph's first line, `offset` that of the following lines
// relative to the first (a positive offset is a hanging indent).
struct ParaFormat {
    uint32_t mask = 0;
    uint16_t numbering = numbering::None;
    int32_t startIndent = 0;
    int32_t offset = 0;
    uint16_t alignment = alignment::Left;

    // Copies the masked fields of `delta`. With StartIndentRelative the start
    // indent of `delta` is added to this one instead of replacing it.
    void merge(const ParaFormat& delta);
    // The mask bits of the properties in which this format and `other`
    // differ; a selection over both reports these as mixed.
    uint32_t differingMask(const ParaFormat& other) const;

    friend bool operator==(const ParaFormat&, const ParaFormat&) = default;
};

}  // namespace sorvel
