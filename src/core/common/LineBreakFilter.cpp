#include "common/LineBreakFilter.h"

#include <cstring>

namespace sorvel {

void LineBreakFilter::push(std::string_view in, std::string& out) {
    const char* p = in.data();
    const char* const end = p + in.size();
    if (p == end) {
        return;
    }
    if (pendingCr_) {
        out += "\r\n";
        pendingCr_ = false;
        if (*p == '\n') {
            ++p;
        }
    }
    out.reserve(out.size() + static_cast<std::size_t>(end - p) + 16);
    while (p < end) {
        // Text between line ends is copied as it is.
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n') {
            ++q;
        }
        out.append(p, static_cast<std::size_t>(q - p));
        if (q == end) {
            break;
        }
        if (*q == '\r') {
            if (q + 1 == end) {
                pendingCr_ = true;
                break;
            }
            out += "\r\n";
            p = q[1] == '\n' ? q + 2 : q + 1;
        } else {
            out += "\r\n";
            p = q + 1;
        }
    }
}

void LineBreakFilter::finish(std::string& out) {
    if (pendingCr_) {
        out += "\r\n";
        pendingCr_ = false;
    }
}

}  // namespace sorvel
