#include "shell/RecentFileList.h"

#include <algorithm>

namespace sorvel {

RecentFileList::RecentFileList(std::size_t capacity) : capacity_(capacity) {}

void RecentFileList::add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(files_, path);
    files_.insert(files_.begin(), path);
    if (files_.size() > capacity_) {
        files_.resize(capacity_);
    }
}

void RecentFileList::remove(std::size_t index) {
    if (index < files_.size()) {
        files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void RecentFileList::assign(const std::vector<std::string>& paths) {
    files_.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        add(*it);
    }
}

std::string RecentFileList::menuLabel(std::size_t index) const {
    const std::size_t number = index + 1;
    std::string label;
    if (number < 10) {
        // Appended rather than concatenated: GCC 12 at -O3 warns falsely
        // (-Wrestrict) on a literal joined to a temporary string.
        label = '&';
        label += std::to_string(number);
    } else {
        const std::string digits = std::to_string(number);
        label = digits.substr(0, digits.size() - 1) + "&" + digits.back();
    }
    label += ' ';
    for (char c : abbreviate(files_.at(index))) {
        label += c;
        if (c == '&') {
            label += '&';
        }
    }
    return label;
}

std::string RecentFileList::abbreviate(std::string_view path, std::size_t length) {
    if (path.size() <= length) {
        return std::string(path);
    }
    const std::size_t lastSlash = path.rfind('/');
    const std::string_view name =
        lastSlash == std::string_view::npos ? path : path.substr(lastSlash + 1);
    // The start that stays: the root of an absolute path, else the first folder.
    const std::size_t firstSlash = path.find('/', path.front() == '/' ? 1 : 0);
    const std::string_view head =
        path.front() == '/' ? path.substr(0, 1) : path.substr(0, firstSlash + 1);
    const std::string dots = "...";
    std::string tail(1, '/');
    tail += name;
    if (head.size() + dots.size() + tail.size() > length) {
        if (name.size() <= length) {
            return std::string(name);
        }
        return std::string(name.substr(0, length - dots.size())) + dots;
    }
    // Add folders before the file name while they fit.
    std::size_t end = lastSlash;
    while (end != std::string_view::npos && end > firstSlash) {
        const std::size_t start = path.rfind('/', end - 1);
        if (start == std::string_view::npos || start < firstSlash) {
            break;
        }
        const std::string candidate = std::string(path.substr(start, end - start)) + tail;
        if (head.size() + dots.size() + candidate.size() > length) {
            break;
        }
        tail = candidate;
        end = start;
    }
    return std::string(head) + dots + tail;
}

}  // namespace sorvel
