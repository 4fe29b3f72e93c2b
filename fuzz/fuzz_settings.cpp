// Any file content as the default Pali font settings file: it always reads
// as some font, and that font is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "palifont/PaliFontSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sorvel::FontDescription font = sorvel::PaliFontSettings::parse(bytes);
    if (font.faceName.size() > sorvel::FaceName::kMaxLength) {
        std::abort();
    }
    const std::string written = sorvel::PaliFontSettings::format(font);
    std::size_t lineEnds = 0;
    for (std::size_t p = written.find("\r\n"); p != std::string::npos;
         p = written.find("\r\n", p + 2)) {
        ++lineEnds;
    }
    // A face name never holds a line feed, so the file always has its twelve
    // line ends.
    if (lineEnds != 12) {
        std::abort();
    }
    if (!(sorvel::PaliFontSettings::parse(written) == font)) {
        std::abort();
    }
    return 0;
}
