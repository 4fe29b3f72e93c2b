#include "pali/TracedText.h"

#include <utility>

namespace sorvel {

TracedText::TracedText(std::string text) : text_(std::move(text)), origins_(text_.size()) {
    for (std::size_t i = 0; i < origins_.size(); ++i) {
        origins_[i] = static_cast<int32_t>(i);
    }
}

void TracedText::append(std::string_view text) {
    text_ += text;
    origins_.insert(origins_.end(), text.size(), kNoOrigin);
}

void TracedText::push(char c, int32_t origin) {
    text_ += c;
    origins_.push_back(origin);
}

std::size_t replaceAll(TracedText& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return 0;
    }
    std::size_t pos = text.text_.find(from);
    if (pos == std::string::npos) {
        return 0;
    }
    TracedText out;
    out.text_.reserve(text.text_.size() + (to.size() > from.size() ? text.text_.size() / 4 : 0));
    out.origins_.reserve(out.text_.capacity());
    std::size_t done = 0;
    std::size_t count = 0;
    while (pos != std::string::npos) {
        out.text_.append(text.text_, done, pos - done);
        out.origins_.insert(out.origins_.end(), text.origins_.begin() + static_cast<long>(done),
                            text.origins_.begin() + static_cast<long>(pos));
        out.text_.append(to);
        out.origins_.insert(out.origins_.end(), to.size(), text.origins_[pos]);
        done = pos + from.size();
        ++count;
        pos = text.text_.find(from, done);
    }
    out.text_.append(text.text_, done, std::string::npos);
    out.origins_.insert(out.origins_.end(), text.origins_.begin() + static_cast<long>(done),
                        text.origins_.end());
    text = std::move(out);
    return count;
}

}  // namespace sorvel
