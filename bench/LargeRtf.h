#pragma once

#include <cstddef>
#include <cstdio>
#include <random>
#include <string>

namespace sorvel::bench {

// An RTF file as an office suite writes a long document: `textBytes` of
// text in paragraphs of about sixty words, in three fonts (Times New Roman,
// VriRomanPali CN with its Pali letters, Arial), bold or italic changing
// every few words, each run in a group of its own with the suite's
// character properties. 3.8 MB of text make about 8.8 MB of RTF.
inline std::string largeOfficeRtf(std::size_t textBytes = 3800000) {
    static const char* const kRunFormats[] = {
        "\\rtlch \\ltrch\\loch\\f0\\fs24",
        "\\rtlch \\ltrch\\loch\\f1\\fs24\\b",
        "\\rtlch \\ltrch\\loch\\f2\\fs24\\i",
        "\\rtlch \\ltrch\\loch\\f1\\fs24\\b\\i",
    };
    static const char kPlain[] = "abcdeghijklmnoprstuvy";
    static const unsigned char kSpecial[] = {177, 178, 179, 185, 186, 188, 189, 181, 241, 170};
    std::mt19937 rng(8);
    std::string rtf =
        "{\\rtf1\\ansi\\deff0\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
        "{\\f1\\froman\\fprq2\\fcharset0 VriRomanPali CN;}{\\f2\\fswiss\\fprq2\\fcharset0 "
        "Arial;}}\n{\\colortbl;\\red0\\green0\\blue0;\\red128\\green128\\blue128;}\n"
        "{\\stylesheet{\\s0\\snext0\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5"
        "\\langfe2052\\dbch\\af6\\afs24\\alang1081\\loch\\f0\\fs24\\lang1033 Normal;}}\n"
        "{\\info{\\creatim\\yr2024\\mo1\\dy1\\hr0\\min0}{\\revtim\\yr2024\\mo1\\dy1\\hr0\\min0}}"
        "\\deftab709\\viewscale100\n"
        "\\pgwsxn11906\\pghsxn16838\\marglsxn1134\\margrsxn1134\\margtsxn1134\\margbsxn1134\n";
    std::size_t text = 0;
    while (text < textBytes) {
        rtf +=
            "\\pard\\plain \\s0\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5"
            "\\langfe2052\\dbch\\af6\\afs24\\alang1081\\loch\\f0\\fs24\\lang1033\\sb0\\sa140";
        const int words = 40 + static_cast<int>(rng() % 40);
        for (int w = 0; w < words;) {
            const int format = static_cast<int>(rng() % 4);
            rtf += '{';
            rtf += kRunFormats[format];
            rtf += ' ';
            const int runWords = 4 + static_cast<int>(rng() % 5);
            for (int k = 0; k < runWords && w < words; ++k, ++w) {
                const int length = 2 + static_cast<int>(rng() % 8);
                for (int c = 0; c < length; ++c) {
                    if (format % 2 == 1 && rng() % 8 == 0) {
                        char escape[8];
                        std::snprintf(escape, sizeof escape, "\\'%02x",
                                      kSpecial[rng() % sizeof kSpecial]);
                        rtf += escape;
                    } else {
                        rtf += kPlain[rng() % (sizeof kPlain - 1)];
                    }
                }
                rtf += ' ';
                text += static_cast<std::size_t>(length) + 1;
            }
            rtf += '}';
        }
        rtf += "\\par\n";
        text += 2;
    }
    rtf += "}\n";
    return rtf;
}

}  // namespace sorvel::bench
