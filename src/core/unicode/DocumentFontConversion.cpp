#include "unicode/DocumentFontConversion.h"

#include "pali/PaliCharMap.h"
#include "unicode/RunRebuild.h"

namespace sorvel {

DocumentFontConversion::Result DocumentFontConversion::convert(const RichText& doc,
                                                               PaliFontKind source,
                                                               std::string_view targetFace,
                                                               bool overdotM, char replacement) {
    const PaliCharMap& from = PaliCharMap::of(source, overdotM);
    const PaliCharMap& to = PaliCharMap::of(paliFontByPrefix(targetFace));
    auto isSource = [source](const FontDescription& f) {
        return isPaliFont(source) && paliFontByPrefix(f.faceName) == source;
    };
    auto map = [&](const FontDescription& f) {
        if (!isSource(f)) {
            return f;
        }
        FontDescription t = f;
        t.faceName = targetFace;
        return t;
    };
    Result result;
    std::string bytes;
    result.document = rebuildByRuns(
        doc,
        [&](const RichText::Run& run, int paragraph, long paragraphStart, RichText& out) {
            const std::string_view text = doc.textRange(run.start, run.end);
            if (!isSource(*run.format)) {
                out.append(text, *run.format);
                return;
            }
            bytes.assign(text.size(), '\0');
            for (std::size_t i = 0; i < text.size(); ++i) {
                const char32_t c = from.toUnicode(static_cast<uint8_t>(text[i]));
                if (const std::optional<uint8_t> b = to.toByte(c)) {
                    bytes[i] = static_cast<char>(*b);
                } else {
                    bytes[i] = replacement;
                    result.report.add(c, paragraph + 1,
                                      run.start - paragraphStart + static_cast<long>(i) + 1);
                }
            }
            result.convertedCharacters += static_cast<long>(text.size());
            out.append(bytes, map(*run.format));
        },
        map);
    return result;
}

}  // namespace sorvel
