#include "common/LargeBlocks.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace sorvel {

void LargeBlocks::giveBackWhenFreed() {
#if defined(__GLIBC__)
    // Setting it also keeps the library from raising it.
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(kThreshold));
#endif
}

}  // namespace sorvel
