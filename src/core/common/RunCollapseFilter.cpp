#include "common/RunCollapseFilter.h"

#include <cstring>

namespace sorvel {

void RunCollapseFilter::push(std::string_view in, std::string& out) {
    const char* p = in.data();
    const char* const end = p + in.size();
    while (p < end) {
        if (inRun_) {
            while (p < end && *p == c_) {
                ++p;
            }
            if (p == end) {
                break;
            }
            inRun_ = false;
        }
        const void* found = std::memchr(p, c_, static_cast<std::size_t>(end - p));
        const char* stop = found ? static_cast<const char*>(found) + 1 : end;
        out.append(p, static_cast<std::size_t>(stop - p));
        inRun_ = found != nullptr;
        p = stop;
    }
}

}  // namespace sorvel
