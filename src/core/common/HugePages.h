#pragma once

#include <cstddef>

namespace sorvel {

// Asks the system to back a large buffer with huge pages where it can. A
// document of megabytes otherwise costs one page fault for every 4 KB it
// touches first, which on a virtual machine can take longer than reading
// the document itself. Small buffers and systems without them: nothing.
void adviseHugePages(const void* data, std::size_t size);

}  // namespace sorvel
