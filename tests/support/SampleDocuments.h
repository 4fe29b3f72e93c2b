#pragma once

// Rich texts for the document-format tests, benchmarks and fuzz seeds:
// header-only, so that every one of them can include it.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "text/RichText.h"

namespace sorvel::testing {

// A full format in a face, at a height in twips.
inline FontDescription fontOf(std::string_view faceName, int32_t height = 240, uint8_t charSet = 0,
                              uint8_t pitchAndFamily = 0x12) {
    FontDescription f = RichText::standardFormat();
    f.faceName = faceName;
    f.height = height;
    f.charSet = charSet;
    f.pitchAndFamily = pitchAndFamily;
    return f;
}

inline ParaFormat paraOf(uint16_t align, int32_t startIndent = 0, int32_t offset = 0,
                         bool bullet = false) {
    ParaFormat p;
    p.mask = paramask::All;
    p.alignment = align;
    p.startIndent = startIndent;
    p.offset = offset;
    p.numbering = bullet ? numbering::Bullet : numbering::None;
    return p;
}

// A random document: words of random bytes (any byte but CR and LF) in
// random formats, in paragraphs of random formats. Formats take every
// field the RTF writer stores, including odd heights and offsets and any
// pitch-and-family byte, so that a round trip exercises all of them.
inline RichText randomDocument(uint32_t seed, int paragraphs, int maxWordsPerParagraph = 12) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    static const char* const kFaces[] = {"Times New Roman", "VriRomanPali CN", "Symbol", "Arial",
                                         "Times_CSX+",      "A;b{c}\\d\xE9",   ""};
    std::vector<FontDescription> formats;
    for (int i = 0; i < 12; ++i) {
        FontDescription f = fontOf(kFaces[pick(7)]);
        f.effects = static_cast<uint32_t>(pick(16));
        if (pick(2) == 0) {
            f.effects |= chareffect::AutoColor;
        } else {
            f.color = rng() & 0xFFFFFF;
        }
        f.height = pick(4) == 0 ? 1 + pick(2000) : 20 * (4 + pick(60));
        f.offset = pick(3) == 0 ? pick(400) - 200 : 0;
        f.charSet = static_cast<uint8_t>(pick(3) == 0 ? pick(256) : (pick(2) ? 0 : 2));
        f.pitchAndFamily = static_cast<uint8_t>(pick(256));
        formats.push_back(f);
    }
    RichText doc(formats[0]);
    doc.setDefaultFormat(formats[static_cast<std::size_t>(pick(12))]);
    for (int p = 0; p < paragraphs; ++p) {
        const int words = pick(maxWordsPerParagraph + 1);
        for (int w = 0; w < words; ++w) {
            std::string word;
            const int len = 1 + pick(8);
            for (int k = 0; k < len; ++k) {
                char c = static_cast<char>(pick(2) ? 'a' + pick(26) : pick(256));
                if (c == '\r' || c == '\n') {
                    c = ' ';
                }
                word += c;
            }
            doc.append(word, formats[static_cast<std::size_t>(pick(12))]);
        }
        const uint16_t align = static_cast<uint16_t>(1 + pick(3));
        const ParaFormat para = paraOf(align, pick(3) ? 0 : pick(4000) - 1000,
                                       pick(3) ? 0 : pick(2000) - 1000, pick(4) == 0);
        if (p + 1 < paragraphs) {
            doc.appendBreak(formats[static_cast<std::size_t>(pick(12))], para);
        } else {
            doc.setParaFormat(doc.paragraphCount() - 1, para);
        }
    }
    return doc;
}

// About `bytes` characters of Pali-font and ordinary text with a change of
// format every few words and a paragraph every few lines: the document of
// the speed benchmarks.
inline RichText largeDocument(std::size_t bytes) {
    const FontDescription plain = fontOf("Times New Roman");
    FontDescription bold = plain;
    bold.effects |= chareffect::Bold;
    const FontDescription pali = fontOf("VriRomanPali CN", 280);
    FontDescription red = fontOf("Arial", 200, 0, 0x22);
    red.effects = chareffect::Italic;
    red.color = 0x0000FF;
    const FontDescription formats[] = {plain, bold, pali, red};
    const char* const pieces[] = {"Buddha\xB9 sara\xBD\xB9 gacch\xE2mi ",
                                  "the quick brown fox jumps ", "dhamma\xB9 {braces} \\ ",
                                  "sa\xF1gha\xB9 over the lazy dog "};
    RichText doc(plain);
    std::size_t n = 0;
    int k = 0;
    while (n < bytes) {
        const std::string_view piece = pieces[k % 4];
        doc.append(piece, formats[k % 4]);
        n += piece.size();
        if (++k % 40 == 0) {
            doc.appendBreak(
                plain, paraOf(static_cast<uint16_t>(1 + (k / 40) % 3), 360, 0, (k / 40) % 5 == 0));
            n += 2;
        }
    }
    return doc;
}

}  // namespace sorvel::testing
