// Any bytes through the compound-file reader, as a document file is opened:
// it never crashes, never gives a stream longer than the file, and reads
// whatever "Contents" holds as RTF.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> contents = sorvel::CompoundFile::readContents(bytes);
    if (contents && contents->size() > size) {
        std::abort();
    }
    (void)sorvel::CompoundFile::rootNames(bytes);
    (void)sorvel::DocumentFile::openBytes(bytes, "fuzz");
    return 0;
}
