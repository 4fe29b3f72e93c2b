#include "pali/TextReplace.h"

namespace sorvel {

std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return 0;
    }
    std::size_t pos = text.find(from);
    if (pos == std::string::npos) {
        return 0;
    }
    std::string out;
    out.reserve(to.size() > from.size() ? text.size() + text.size() / 4 : text.size());
    std::size_t done = 0;
    std::size_t count = 0;
    while (pos != std::string::npos) {
        out.append(text, done, pos - done);
        out.append(to);
        done = pos + from.size();
        ++count;
        pos = text.find(from, done);
    }
    out.append(text, done, std::string::npos);
    text.swap(out);
    return count;
}

}  // namespace sorvel
