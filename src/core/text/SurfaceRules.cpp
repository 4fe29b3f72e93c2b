#include "text/SurfaceRules.h"

#include <algorithm>

namespace sorvel {

Selection SurfaceRules::selectionRange(long start, long end, long length) {
    if (end < 0 || end > length) {
        end = length;
    }
    start = std::clamp(start, 0L, length);
    if (start > end) {
        std::swap(start, end);
    }
    return {start, end};
}

Selection SurfaceRules::textRange(long start, long end, long length) {
    start = std::clamp(start, 0L, length);
    return {start, std::clamp(end, start, length)};
}

Selection SurfaceRules::richRange(long start, long end, long length) {
    if (end < 0 || end > length) {
        end = length;
    }
    return {std::clamp(start, 0L, end), end};
}

long SurfaceRules::fittingLength(std::string_view text, long room) {
    long used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        // A break of any spelling becomes CR LF: two surface characters.
        std::size_t next = i + 1;
        long cost = 1;
        if (text[i] == '\r' || text[i] == '\n') {
            cost = 2;
            if (text[i] == '\r' && next < text.size() && text[next] == '\n') {
                ++next;
            }
        }
        if (used + cost > room) {
            break;
        }
        used += cost;
        i = next;
    }
    return static_cast<long>(i);
}

RichText SurfaceRules::plainPaste(std::string_view text, const FontDescription& format,
                                  const ParaFormat& paragraph) {
    RichText rich(format);
    rich.append(text, format);
    for (int i = 0; i < rich.paragraphCount(); ++i) {
        rich.setParaFormat(i, paragraph);
    }
    return rich;
}

}  // namespace sorvel
