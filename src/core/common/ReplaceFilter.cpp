#include "common/ReplaceFilter.h"

#include <algorithm>

namespace sorvel {

ReplaceFilter::ReplaceFilter(std::string from, std::string to)
    : from_(std::move(from)), to_(std::move(to)) {}

void ReplaceFilter::scan(std::string_view text, std::string& out) {
    const std::size_t length = from_.size();
    std::size_t done = 0;
    for (std::size_t pos = text.find(from_); pos != std::string_view::npos;
         pos = text.find(from_, done)) {
        out.append(text.substr(done, pos - done));
        out += to_;
        done = pos + length;
    }
    // No match starts before the last length - 1 bytes; a match may still
    // start among them, so they wait.
    const std::size_t keep = std::min(length - 1, text.size() - done);
    out.append(text.substr(done, text.size() - done - keep));
    pending_ = std::string(text.substr(text.size() - keep));
}

void ReplaceFilter::push(std::string_view in, std::string& out) {
    if (from_.empty()) {
        out.append(in);
        return;
    }
    const std::size_t length = from_.size();
    if (pending_.empty()) {
        scan(in, out);
        return;
    }
    if (in.size() < length - 1) {
        std::string text = pending_ + std::string(in);
        scan(text, out);
        return;
    }
    // The held-back bytes and enough of the new piece to decide every match
    // that starts among them.
    const std::size_t held = pending_.size();
    std::string seam = pending_;
    seam.append(in.substr(0, length - 1));
    std::size_t done = 0;
    for (std::size_t pos = seam.find(from_); pos != std::string::npos && pos < held;
         pos = seam.find(from_, done)) {
        out.append(seam, done, pos - done);
        out += to_;
        done = pos + length;
    }
    std::size_t resume = 0;
    if (done >= held) {
        resume = done - held;
    } else {
        out.append(seam, done, held - done);
    }
    pending_.clear();
    scan(in.substr(resume), out);
}

void ReplaceFilter::finish(std::string& out) {
    out += pending_;
    pending_.clear();
}

}  // namespace sorvel
