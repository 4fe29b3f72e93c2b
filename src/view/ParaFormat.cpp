#include "view/ParaFormat.h"

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

}  // namespace sorvel
