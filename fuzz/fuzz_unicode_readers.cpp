// Any bytes through the Unicode readers, as UTF-8 text and as RTF, into a
// Pali font; the first byte picks the font and the options. What they make
// must say in 8 bits exactly what it says in Unicode: written out to Unicode
// again and read back, it is the same, with nothing left to report. Every
// character reported against the Pali font is one it cannot show, and every
// one is at a real place.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pali/PaliCharMap.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeImport.h"
#include "unicode/UnicodeText.h"

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void checkReport(const sorvel::UnicodeReport& report, sorvel::PaliFontKind kind) {
    check(report.listed().size() <= sorvel::UnicodeReport::kMaxListed);
    check(report.count() >= static_cast<long>(report.listed().size()));
    for (const auto& c : report.listed()) {
        check(c.line >= 1 && c.column >= 1);
        // Characters of runs that stay in their own font are that font's to show.
        check(!c.face.empty() || !sorvel::PaliCharMap::of(kind).toByte(c.character).has_value());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    static const char* const kFaces[] = {"VriRomanPali CN", "Times_CSX+", "SKT Times",
                                         "Times_Norman", "LeedsBit PaliTranslit"};
    const char* face = kFaces[data[0] % 5];
    const sorvel::PaliFontKind kind = sorvel::paliFontByPrefix(face);
    const bool overdotM = (data[0] & 0x08) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    // As UTF-8 text.
    const sorvel::UnicodeText::FontText text = sorvel::UnicodeText::utf8ToFont(input, kind);
    checkReport(text.report, kind);
    const sorvel::UnicodeText::FontText again = sorvel::UnicodeText::toFont(
        sorvel::UnicodeText::fromFont(text.bytes, kind, overdotM), kind);
    check(again.bytes == text.bytes && again.report.empty());

    // As RTF.
    sorvel::UnicodeImportOptions options;
    options.paliFormat = sorvel::RichText::standardFormat();
    options.paliFormat.faceName = face;
    options.everyRun = (data[0] & 0x10) != 0;
    const std::optional<sorvel::UnicodeImport::Result> doc =
        sorvel::UnicodeImport::fromRtf(input, options);
    if (!doc) {
        return 0;
    }
    check(static_cast<size_t>(doc->document.length()) <= size);
    checkReport(doc->report, kind);
    sorvel::UnicodeExportOptions out;
    out.overdotM = overdotM;
    const std::optional<sorvel::UnicodeImport::Result> back =
        sorvel::UnicodeImport::fromRtf(sorvel::UnicodeExport::toRtf(doc->document, out), options);
    check(back && back->report.empty() && back->document == doc->document &&
          back->document.defaultFormat() == doc->document.defaultFormat());
    return 0;
}
