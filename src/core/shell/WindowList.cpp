#include "shell/WindowList.h"

namespace sorvel {

namespace {

std::string rowLabel(std::size_t number, std::string_view title) {
    std::string label = "&";
    label += std::to_string(number);
    label += ' ';
    for (const char c : title) {
        label += c;
        if (c == '&') {
            label += '&';
        }
    }
    return label;
}

}  // namespace

std::vector<WindowListRow> WindowList::rows(const std::vector<std::string>& titles,
                                            std::optional<std::size_t> active) {
    std::vector<WindowListRow> out;
    for (std::size_t i = 0; i < titles.size() && i < kNumbered; ++i) {
        out.push_back({rowLabel(i + 1, titles[i]), i, active == i});
    }
    if (active && *active >= kNumbered && *active < titles.size()) {
        out.back() = {rowLabel(kNumbered, titles[*active]), *active, true};
    }
    return out;
}

}  // namespace sorvel
