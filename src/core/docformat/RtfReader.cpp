#include "docformat/RtfReader.h"

#include "docformat/RtfParser.h"

namespace sorvel {

bool RtfReader::isRtf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start).starts_with("{\\rtf");
}

std::optional<RichText> RtfReader::read(std::string_view rtf, const Options& options) {
    if (options.unicode) {
        options.unicode->clear();
    }
    if (!isRtf(rtf)) {
        return std::nullopt;
    }
    return RtfParser(rtf.substr(rtf.find("{\\rtf")), options).run();
}

std::optional<RichText> RtfReader::read(std::string_view rtf,
                                        std::vector<UnicodeCharacter>* unicode) {
    return read(rtf, Options{.unicode = unicode});
}

}  // namespace sorvel
