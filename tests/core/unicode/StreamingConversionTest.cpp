// The streaming conversions of the text commands give byte for byte what
// the whole-text conversions give, however the input is cut into pieces.
#include <gtest/gtest.h>

#include <random>

#include "common/Utf8.h"
#include "support/ScriptedPlatform.h"
#include "support/StreamCases.h"

namespace sorvel {
namespace {

using testing::inPieces;
using testing::runInPieces;
using testing::StreamCase;

// Pieces of one byte, two, three, seven, a mix, and larger ones.
const std::vector<std::vector<std::size_t>> kPieceSizes = {{1},  {2},   {3}, {7}, {1, 5, 2, 11, 3},
                                                           {64}, {4096}};

// Real Pali in standard transliteration, as CSCD text: broken lines, a
// hyphen at a line end, indented lines, runs of blanks.
const std::string kStandardPali =
    "Eva.m me suta.m \xE2\x80\x94 eka.m samaya.m bhagavaa saavatthiya.m viharati jetavane\r\n"
    "anaathapi.n.dikassa aaraame. \r\n   Tatra kho bhagavaa bhikkhuu aamantesi \"bhikkha-\r\n"
    "vo\"ti. \"Bhadante\"ti te bhikkhuu bhagavato paccassosu.m.\r\n"
    "Buddha.m sara.na.m gacchaami. Dhamma.m  sara.na.m   gacchaami.\r\n"
    "  Sa\"ngha.m sara.na.m gacchaami.\nNamo tassa bhagavato arahato sammaasambuddhassa\r"
    "~naa.na \"namo\" sa.mvara AAbhassara ddd mmm !m !n !N Hmmm Aaa [&Paa] [T@] [&&]\x85\r\n";

// Text made of the pieces every conversion looks at: line ends, codes,
// intermediate codes, markers, letters of every font, UTF-8 and bytes of
// every value.
std::string randomText(std::mt19937& rng, std::size_t tokens) {
    static const std::vector<std::string> kTokens = {"\r",
                                                     "\n",
                                                     "\r\n",
                                                     " ",
                                                     "  ",
                                                     "   ",
                                                     "[",
                                                     "[&P",
                                                     "[&Paa]",
                                                     "[&P.d]",
                                                     "[&P1N]",
                                                     "\"",
                                                     "\"n",
                                                     " \"m",
                                                     " \"M",
                                                     "!",
                                                     "!n",
                                                     ".",
                                                     ". \r\n",
                                                     "-\r\n",
                                                     " \r\n",
                                                     "aa",
                                                     "Aa",
                                                     "AA",
                                                     "ddd",
                                                     ".m",
                                                     "~n",
                                                     "mmm",
                                                     "\x85",
                                                     "[T@]",
                                                     "[&&]",
                                                     " /&n",
                                                     "a",
                                                     "n",
                                                     "m",
                                                     "d",
                                                     "x",
                                                     "\xC4\x81",
                                                     "a\xCC\x84",
                                                     "n\xCC\xA3",
                                                     "\xCC\x87",
                                                     "\xE2\x80\xA8",
                                                     "\xEF\xBB\xBF",
                                                     "\0",
                                                     "\xB1",
                                                     "\xB9",
                                                     "\xBD",
                                                     "\xE0",
                                                     "\xF1",
                                                     "\x8C",
                                                     "\xA7",
                                                     "\xFF",
                                                     "\x80",
                                                     "\xC4",
                                                     "\xE2\x80"};
    std::string text;
    for (std::size_t i = 0; i < tokens; ++i) {
        const unsigned r = rng() % 10;
        if (r == 0) {
            text += static_cast<char>(rng() % 256);
        } else {
            text += kTokens[rng() % kTokens.size()];
        }
    }
    return text;
}

// The inputs: real Pali as standard transliteration and in each font, and
// random text.
std::vector<std::string> inputs() {
    std::vector<std::string> texts = {"", "\r", "[&P", kStandardPali};
    for (const PaliFontKind kind : kPaliFonts) {
        texts.push_back(standardToPaliText(kStandardPali, kind));
    }
    std::mt19937 rng(2024);
    for (int i = 0; i < 24; ++i) {
        texts.push_back(randomText(rng, 1 + rng() % 300));
    }
    return texts;
}

TEST(StreamingConversionTest, EveryCommandGivesTheWholeTextResultInPiecesOfAnySize) {
    const std::vector<std::string> texts = inputs();
    for (std::size_t f = 0; f < kPaliFonts.size(); ++f) {
        const PaliFontKind a = kPaliFonts[f];
        const PaliFontKind b = kPaliFonts[(f + 2) % kPaliFonts.size()];
        for (const bool lf : {false, true}) {
            for (const StreamCase& c : testing::streamCases(a, b, lf)) {
                for (std::size_t t = 0; t < texts.size(); ++t) {
                    const std::string& text = texts[t];
                    if (c.name == "from-unicode" && Utf8::firstMalformed(text)) {
                        continue;  // refused, below
                    }
                    const std::string expected = c.whole(text);
                    for (const std::vector<std::size_t>& sizes : kPieceSizes) {
                        const std::unique_ptr<TextFilter> filter = c.stream();
                        ASSERT_EQ(runInPieces(*filter, text, sizes), expected)
                            << c.name << " from font " << static_cast<int>(a) << ", input " << t
                            << ", pieces of " << sizes[0];
                    }
                }
            }
        }
    }
}

// What the whole-text reading says of UTF-8: where the first malformed
// sequence is, by lines (LF) and characters; and what the font could not
// take.
TEST(StreamingConversionTest, UnicodeIntoAFontReportsAsTheWholeTextDoes) {
    struct Case {
        std::string text;
        std::string place;  // of the first malformed sequence, or empty
        long unshown;       // characters the font cannot show
    };
    const std::vector<Case> cases = {
        {"\xEF\xBB\xBF"
         "ab\r\nc\xC3",
         "line 2, column 2", 0},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "a\xCC\x84\xCE\xB1\n\xCE\xB2\xE2\x80\xA8x",
         "", 2},
        {"a\rb\xFF", "line 1, column 4", 0},
        {"\xE1\xB8\x8D\xE2\x80", "line 1, column 2", 0},
        {"\xCE\xB1\r\n\r\n\xCE\xB1", "", 2},
    };
    for (const Case& c : cases) {
        const UnicodeText::FontText whole =
            UnicodeText::utf8ToFont(c.text, PaliFontKind::TimesCsxPlus);
        for (const std::vector<std::size_t>& sizes : kPieceSizes) {
            Utf8ToFontStream stream(PaliFontKind::TimesCsxPlus);
            const std::string out = runInPieces(stream, c.text, sizes);
            EXPECT_EQ(stream.malformed().value_or(""), c.place) << c.text;
            if (c.place.empty()) {
                EXPECT_EQ(out, whole.bytes);
                EXPECT_EQ(stream.report().count(), c.unshown);
                EXPECT_EQ(stream.report().listed(), whole.report.listed());
            }
        }
    }
}

// Typing replayed key by key gives the document's text, also when only a
// few bytes of its end are kept in memory and a table eats back into the
// rest.
TEST(StreamingConversionTest, TypingInPiecesGivesTheTextTypedIntoADocument) {
    std::vector<std::string> texts = inputs();
    std::mt19937 rng(7);
    for (int i = 0; i < 4; ++i) {
        texts.push_back(std::string(200 + rng() % 200, 'x') + std::string(300, 'a'));
    }
    // A user table whose codes eat back into text typed long before: each a
    // after an x takes the x away, and b gives an x.
    const std::vector<CodePair> eating = {{"xa", ""}, {"b", "x"}, {"q", "\n"}, {"nn", "aa"}};
    std::vector<std::optional<PaliFontKind>> kinds(kPaliFonts.begin(), kPaliFonts.end());
    kinds.push_back(std::nullopt);
    for (const std::optional<PaliFontKind> kind : kinds) {
        for (const std::string& text : texts) {
            FontDescription format = RichText::standardFormat();
            format.faceName = kind ? std::string(paliFontName(*kind)) : "Arial";
            MemorySurface surface(nullptr, format);
            testing::ScriptedPlatform platform;
            TransliterationState state;
            state.paliEntryOn = kind.has_value();
            if (!kind) {
                state.userTableOn = true;
                state.userTableFont = "Arial";
                std::copy(eating.begin(), eating.end(), state.userTable.begin());
                state.userTable[eating.size()] = endPair();
            }
            ViewContext view{surface, platform, state};
            const TablesInForce tables = tablesInForce(view);
            ASSERT_EQ(tables.size(), 1u);
            EXPECT_EQ(TypingReplay::reachesBack(tables), !kind);
            const std::string expected = testing::typedInDocument(text, view);
            for (const std::vector<std::size_t>& sizes : kPieceSizes) {
                testing::MemoryStore store;
                TypingReplay typing(tables, store, 4);
                const std::string typed = RichText::normalizeBreaks(text);
                for (const std::string_view piece : inPieces(typed, sizes)) {
                    typing.type(piece);
                }
                typing.finish();
                ASSERT_EQ(store.text, expected)
                    << format.faceName.view() << ", pieces of " << sizes[0];
            }
        }
    }
}

}  // namespace
}  // namespace sorvel
