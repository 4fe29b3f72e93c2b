// Any input through the streaming conversion of every text command, in
// pieces of random sizes, against the whole-text conversion of the same
// input: the first byte picks the fonts and line ends, the next four seed
// the piece sizes.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include <iostream>
#include "support/StreamCases.h"

#include "cli/ConsolePlatform.h"
#include "common/Utf8.h"
#include "text/MemorySurface.h"

namespace {

using namespace sorvel;

std::vector<std::size_t> pieceSizes(uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<std::size_t> sizes;
    for (int i = 0; i < 16; ++i) {
        // Mostly tiny pieces, now and then a long one.
        sizes.push_back(rng() % 8 == 0 ? 1 + rng() % 512 : 1 + rng() % 8);
    }
    return sizes;
}

void check(bool same, const char* what) {
    if (!same) {
        std::fprintf(stderr, "streamed %s differs from the whole-text result\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) {
        return 0;
    }
    const PaliFontKind a = kPaliFonts[data[0] % 5];
    const PaliFontKind b = kPaliFonts[(data[0] >> 3) % 5];
    const bool lf = (data[0] & 0x80) != 0;
    const uint32_t seed =
        data[1] | data[2] << 8 | data[3] << 16 | static_cast<uint32_t>(data[4]) << 24;
    const std::string_view text(reinterpret_cast<const char*>(data) + 5, size - 5);
    const std::vector<std::size_t> sizes = pieceSizes(seed);

    for (const testing::StreamCase& c : testing::streamCases(a, b, lf)) {
        if (c.name == "from-unicode") {
            Utf8ToFontStream stream(b);
            const std::string out = testing::runInPieces(stream, text, sizes);
            check(stream.malformed().has_value() == Utf8::firstMalformed(text).has_value(),
                  "UTF-8 check");
            if (!stream.malformed()) {
                const UnicodeText::FontText whole = UnicodeText::utf8ToFont(text, b);
                check(out == whole.bytes, "from-unicode");
                check(stream.report().listed() == whole.report.listed(), "report");
            }
            continue;
        }
        const std::unique_ptr<TextFilter> filter = c.stream();
        check(testing::runInPieces(*filter, text, sizes) == c.whole(text), c.name.c_str());
    }

    // Typing, with only a few bytes of the end kept in memory.
    if (text.size() <= 4096) {
        FontDescription format = RichText::standardFormat();
        format.faceName = std::string(paliFontName(a));
        MemorySurface surface(nullptr, format);
        ConsolePlatform platform(std::cerr);
        TransliterationState state;
        state.paliEntryOn = true;
        ViewContext view{surface, platform, state};
        const std::string whole = testing::typedInDocument(text, view);
        testing::MemoryStore store;
        TypingReplay typing(tablesInForce(view), store, 4);
        const std::string typed = RichText::normalizeBreaks(text);
        for (const std::string_view piece : testing::inPieces(typed, sizes)) {
            typing.type(piece);
        }
        typing.finish();
        check(store.text == whole, "typing");
    }
    return 0;
}
