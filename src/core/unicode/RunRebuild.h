#pragma once

#include "text/RichText.h"

namespace sorvel {

// Builds a new rich text from `doc` run by run: `mapRun(run, paragraph,
// paragraphStart, out)` appends to `out` what becomes of each run of text
// (paragraph breaks excluded), and each paragraph break and the default
// format take `mapFormat` of their format. Paragraph formats stay.
//
// Appending keeps the cost linear in the text, where replacing run after run
// in place would move the rest of the text each time.
template <class MapRun, class MapFormat>
RichText rebuildByRuns(const RichText& doc, MapRun&& mapRun, MapFormat&& mapFormat) {
    RichText out(mapFormat(doc.defaultFormat()));
    const int count = doc.paragraphCount();
    for (int p = 0; p < count; ++p) {
        const long start = doc.paragraphStart(p);
        const long end = doc.paragraphEnd(p);
        doc.forEachRun(start, end, [&](const RichText::Run& run) { mapRun(run, p, start, out); });
        if (p + 1 < count) {
            out.appendBreak(mapFormat(doc.formatAt(end)), doc.paraFormat(p));
        }
    }
    out.setParaFormat(count - 1, doc.paraFormat(count - 1));
    return out;
}

}  // namespace sorvel
