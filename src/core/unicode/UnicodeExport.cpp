#include "unicode/UnicodeExport.h"

#include "common/Utf8.h"
#include "docformat/CodePage.h"
#include "docformat/RtfWriter.h"
#include "pali/PaliCharMap.h"
#include "unicode/RunRebuild.h"

namespace sorvel {

std::u32string UnicodeExport::characters(const RichText& doc, bool overdotM) {
    std::u32string chars;
    chars.reserve(static_cast<std::size_t>(doc.length()));
    doc.forEachRun(0, doc.length(), [&](const RichText::Run& run) {
        const std::string_view bytes = doc.textRange(run.start, run.end);
        const PaliFontKind kind = paliFontByPrefix(run.format->faceName);
        if (isPaliFont(kind)) {
            PaliCharMap::of(kind, overdotM).decode(bytes, chars);
        } else {
            CodePage::of(CodePage::ofCharSet(run.format->charSet, 1252)).decode(bytes, chars);
        }
    });
    return chars;
}

std::string UnicodeExport::toUtf8(const RichText& doc, const UnicodeExportOptions& options) {
    const std::u32string chars = characters(doc, options.overdotM);
    std::string out;
    out.reserve(chars.size() + chars.size() / 4);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == CodePage::kContinuation ||
            (options.lfBreaks && c == '\r' && i + 1 < chars.size() && chars[i + 1] == '\n')) {
            continue;
        }
        Utf8::append(out, c);
    }
    return out;
}

RichText UnicodeExport::withUnicodeFace(const RichText& doc, std::string_view unicodeFace) {
    auto map = [unicodeFace](const FontDescription& f) {
        if (!isPaliFont(paliFontByPrefix(f.faceName))) {
            return f;
        }
        FontDescription u = f;
        u.faceName = unicodeFace;
        u.charSet = 0;
        u.pitchAndFamily = 0x12;  // variable pitch, roman: what a reader substitutes if missing
        return u;
    };
    return rebuildByRuns(
        doc,
        [&](const RichText::Run& run, int, long, RichText& out) {
            out.append(doc.textRange(run.start, run.end), map(*run.format));
        },
        map);
}

std::string UnicodeExport::toRtf(const RichText& doc, const UnicodeExportOptions& options) {
    const std::u32string chars = characters(doc, options.overdotM);
    return RtfWriter::write(withUnicodeFace(doc, options.unicodeFace), chars);
}

}  // namespace sorvel
