#include "cli/DocumentProbe.h"

#include <algorithm>

#include "docformat/CompoundFile.h"
#include "docformat/RtfReader.h"

namespace sorvel {

namespace {

// A compound file's signature is its first eight bytes; RTF shows itself
// in the five after the blanks ("{\rtf"), so eight more are plenty.
constexpr std::size_t kSignature = 8;
constexpr std::size_t kAfter = 8;
constexpr std::string_view kMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::size_t DocumentProbe::firstOther() const {
    const std::string_view head = head_;
    if (head.size() < kMark.size() && kMark.starts_with(head)) {
        return std::string_view::npos;  // a byte-order mark may still be coming
    }
    const std::size_t from = head.starts_with(kMark) ? kMark.size() : 0;
    for (std::size_t i = from; i < head.size(); ++i) {
        if (!isBlank(head[i])) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool DocumentProbe::wantsMore(std::string_view piece) {
    for (const char c : piece) {
        std::size_t first = firstOther();
        if (first == std::string_view::npos && seen_ >= kSignature && isBlank(c)) {
            // Past the signature, one blank stands for the whole run.
            if (!squeezed_) {
                head_ += ' ';
                squeezed_ = true;
            }
        } else {
            head_ += c;
        }
        ++seen_;
        first = firstOther();
        if (first != std::string_view::npos &&
            head_.size() >= std::max(kSignature, first + kAfter)) {
            return false;
        }
    }
    return true;
}

bool DocumentProbe::isDocument() const {
    return CompoundFile::isCompound(head_) || RtfReader::isRtf(head_);
}

}  // namespace sorvel
