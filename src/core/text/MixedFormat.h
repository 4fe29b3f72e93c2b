#pragma once

#include <cstdint>
#include <optional>
#include <unordered_set>

namespace sorvel {

// The format of a selection that spans several formats (character or
// paragraph): the first format met is the answer, and each other one clears
// the mask bits of the properties in which it differs. A format is known by
// an id, so that one met many times is described and compared only once.
template <class Format>
class MixedFormat {
  public:
    explicit MixedFormat(uint32_t allBits) : mask_(allBits) {}

    // Adds the format `id`; `describe()` gives it and is called only the
    // first time that id comes.
    template <class Describe>
    void add(uint64_t id, Describe describe) {
        // Runs of one format are common: the last id is checked first.
        if (result_ && id == lastId_) {
            return;
        }
        lastId_ = id;
        if (!seen_.insert(id).second) {
            return;
        }
        const Format format = describe();
        if (!result_) {
            result_ = format;
        } else {
            mask_ &= ~format.differingMask(*result_);
        }
    }

    bool empty() const { return !result_.has_value(); }

    // The first format with the mask of the properties that all formats
    // share; `fallback` when none was added.
    Format result(const Format& fallback = Format()) const {
        Format out = result_.value_or(fallback);
        out.mask = mask_;
        return out;
    }

  private:
    std::optional<Format> result_;
    uint32_t mask_;
    uint64_t lastId_ = 0;
    std::unordered_set<uint64_t> seen_;
};

}  // namespace sorvel
