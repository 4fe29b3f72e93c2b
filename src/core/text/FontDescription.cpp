#include "text/FontDescription.h"

namespace sorvel {

void FontDescription::merge(const FontDescription& delta) {
    const uint32_t m = delta.mask;
    const uint32_t effectBits = m & charmask::Effects;
    effects = (effects & ~effectBits) | (delta.effects & effectBits);
    if (m & charmask::Color) {
        effects = (effects & ~chareffect::AutoColor) | (delta.effects & chareffect::AutoColor);
        color = delta.color;
    }
    if (m & charmask::Size) {
        height = delta.height;
    }
    if (m & charmask::Offset) {
        offset = delta.offset;
    }
    if (m & charmask::CharSet) {
        charSet = delta.charSet;
    }
    if (m & charmask::Face) {
        faceName = delta.faceName;
        pitchAndFamily = delta.pitchAndFamily;
    }
    mask |= m;
}

uint32_t FontDescription::differingMask(const FontDescription& other) const {
    const uint32_t diff = effects ^ other.effects;
    uint32_t differing = diff & charmask::Effects;
    if (color != other.color || (diff & chareffect::AutoColor)) {
        differing |= charmask::Color;
    }
    if (height != other.height) {
        differing |= charmask::Size;
    }
    if (offset != other.offset) {
        differing |= charmask::Offset;
    }
    if (charSet != other.charSet) {
        differing |= charmask::CharSet;
    }
    if (!(faceName == other.faceName)) {
        differing |= charmask::Face;
    }
    return differing;
}

}  // namespace sorvel
