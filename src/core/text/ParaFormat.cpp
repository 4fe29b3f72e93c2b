#include "text/ParaFormat.h"

namespace sorvel {

void ParaFormat::merge(const ParaFormat& delta) {
    const uint32_t m = delta.mask;
    if (m & paramask::StartIndent) {
        startIndent = (m & paramask::StartIndentRelative) ? startIndent + delta.startIndent
                                                          : delta.startIndent;
    }
    if (m & paramask::Offset) {
        offset = delta.offset;
    }
    if (m & paramask::Alignment) {
        alignment = delta.alignment;
    }
    if (m & paramask::Numbering) {
        numbering = delta.numbering;
    }
    mask |= m & paramask::All;
}

uint32_t ParaFormat::differingMask(const ParaFormat& other) const {
    uint32_t differing = 0;
    if (startIndent != other.startIndent) {
        differing |= paramask::StartIndent;
    }
    if (offset != other.offset) {
        differing |= paramask::Offset;
    }
    if (alignment != other.alignment) {
        differing |= paramask::Alignment;
    }
    if (numbering != other.numbering) {
        differing |= paramask::Numbering;
    }
    return differing;
}

}  // namespace sorvel
