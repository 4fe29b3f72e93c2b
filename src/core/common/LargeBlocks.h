#pragma once

#include <cstddef>

namespace sorvel {

// How a long-running program asks the C library to treat large blocks of
// memory: each of at least kThreshold bytes is mapped from the system of
// its own and goes back to it the moment it is freed.
//
// By default the library raises that threshold each time such a block is
// freed, up to 32 MB; from then on the large buffers of reading a document
// (its text, its formats, the file's bytes) are carved out of the heap, and
// once freed they stay there, in pieces between blocks still in use, which
// the program holds until it ends: for a document of a few megabytes of
// text, about ten megabytes more than the document itself.
class LargeBlocks {
  public:
    static constexpr std::size_t kThreshold = 256 << 10;
    static void giveBackWhenFreed();
};

}  // namespace sorvel
