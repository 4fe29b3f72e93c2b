#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "../tests/support/ReferenceConversion.h"
#include "PaliText.h"
#include "text/MemorySurface.h"
#include "translit/CscdPaste.h"
#include "translit/KeyRelease.h"
#include "translit/PaliFontConversion.h"

namespace sorvel {
namespace {

using bench::paliText;

// Text as it comes from the CSCD reader: short lines, indents, hyphens,
// runs of blanks.
std::string cscdText(std::size_t size) {
    std::mt19937 rng(7);
    std::string s;
    s.reserve(size + 64);
    while (s.size() < size) {
        s += paliText(40 + rng() % 30).substr(0, 50);
        switch (rng() % 5) {
            case 0:
                s += ". \r\n";
                break;
            case 1:
                s += "-\r\n";
                break;
            case 2:
                s += "\r\n    ";
                break;
            default:
                s += "   \r\n";
        }
    }
    return s;
}

// Converts in place, to Times_CSX+ and back on alternate rounds, so that no
// copy of the input is timed.
void BM_ConvertPaliFont(benchmark::State& state) {
    std::string text = paliText(static_cast<std::size_t>(state.range(0)));
    bool forth = true;
    for (auto _ : state) {
        if (forth) {
            convertPaliFontText(text, PaliFontKind::VriRomanPali, PaliFontKind::TimesCsxPlus);
        } else {
            convertPaliFontText(text, PaliFontKind::TimesCsxPlus, PaliFontKind::VriRomanPali);
        }
        forth = !forth;
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ConvertPaliFont)->Arg(1 << 20)->Arg(64 << 20)->Unit(benchmark::kMillisecond);

void BM_ConvertPaliFontReference(benchmark::State& state) {
    const std::string input = paliText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string text = testing::referenceConvertPaliFontText(input, PaliFontKind::VriRomanPali,
                                                                 PaliFontKind::TimesCsxPlus);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ConvertPaliFontReference)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_CscdRewrite(benchmark::State& state) {
    const std::string input = cscdText(10 << 20);
    for (auto _ : state) {
        std::string out = rewriteCscdText(input);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_CscdRewrite)->Unit(benchmark::kMillisecond);

class QuietPlatform : public Platform {
  public:
    void messageBox(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    std::optional<FontChoice> chooseFont(const FontDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFile(const FileDialogRequest&) override { return {}; }
    void setCursorShape(CursorShape) override {}
    int showCursor(bool) override { return 0; }
};

// Typing ".d" at the end of a document in a Pali font: two key releases and
// one replacement per iteration.
void BM_KeyReleaseAtEnd(benchmark::State& state) {
    FontDescription pali = RichText::standardFormat();
    pali.faceName = "VriRomanPali CN";
    RichText doc(pali);
    doc.append(paliText(static_cast<std::size_t>(state.range(0))), pali);
    MemorySurface surface(nullptr, pali);
    surface.setDocument(doc);
    surface.setSel(-1, -1);
    surface.setSel(surface.getTextLength(), surface.getTextLength());
    QuietPlatform platform;
    TransliterationState translit;
    translit.paliEntryOn = true;
    ViewContext view{surface, platform, translit};
    for (auto _ : state) {
        surface.replaceSel(".", false);
        handleKeyRelease(view);
        surface.replaceSel("d", false);
        handleKeyRelease(view);
    }
}
BENCHMARK(BM_KeyReleaseAtEnd)->Arg(1 << 10)->Arg(16 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorvel
