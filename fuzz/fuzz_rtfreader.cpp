// Any bytes through the RTF reader. Whatever it reads must be small (never
// more characters than input bytes) and must survive our own round trip:
// written and read again, it is the same document.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<sorvel::RichText> doc = sorvel::RtfReader::read(bytes);
    if (!doc) {
        return 0;
    }
    if (static_cast<size_t>(doc->length()) > size) {
        std::abort();
    }
    const std::optional<sorvel::RichText> again =
        sorvel::RtfReader::read(sorvel::RtfWriter::write(*doc));
    if (!again || !(*again == *doc) || !(again->defaultFormat() == doc->defaultFormat())) {
        std::abort();
    }
    return 0;
}
