// Any bytes through the RTF reader. Whatever it reads must be small (never
// more characters than input bytes) and must survive our own round trip:
// written and read again, it is the same document. Read as a document is
// opened (Unicode Pali into a Pali font, what is left out reported), the
// report must name real places, and our own RTF of the result must read back
// the same with nothing left out.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void checkReport(const sorvel::DocumentReport& report, const sorvel::RichText& doc) {
    for (const sorvel::DocumentReport::Characters& group : report.characters()) {
        check(!group.font.empty());
        check(group.count >= static_cast<long>(group.listed.size()));
        check(group.listed.size() <= sorvel::DocumentReport::kMaxListed);
        for (const sorvel::DocumentReport::Character& c : group.listed) {
            check(c.line >= 1 && c.line <= doc.paragraphCount() && c.column >= 1);
        }
    }
    for (std::size_t k = 0; k < sorvel::DocumentReport::kContentKinds; ++k) {
        check(report.count(static_cast<sorvel::DocumentReport::Content>(k)) >= 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<sorvel::RichText> doc = sorvel::RtfReader::read(bytes);
    if (!doc) {
        return 0;
    }
    check(static_cast<size_t>(doc->length()) <= size);
    const std::optional<sorvel::RichText> again =
        sorvel::RtfReader::read(sorvel::RtfWriter::write(*doc));
    check(again && *again == *doc && again->defaultFormat() == doc->defaultFormat());

    sorvel::FontDescription pali = sorvel::RichText::standardFormat();
    pali.faceName = size % 2 == 0 ? "VriRomanPali CN" : "Times_CSX+";
    sorvel::DocumentReport report;
    const std::optional<sorvel::RichText> opened =
        sorvel::RtfReader::read(bytes, {.report = &report, .paliFont = &pali});
    check(opened && static_cast<size_t>(opened->length()) <= size);
    checkReport(report, *opened);
    sorvel::DocumentReport ours;
    const std::optional<sorvel::RichText> back = sorvel::RtfReader::read(
        sorvel::RtfWriter::write(*opened), {.report = &ours, .paliFont = &pali});
    check(back && *back == *opened && ours.empty());
    return 0;
}
