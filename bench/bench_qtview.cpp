#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "PaliText.h"
#include "app/EditorView.h"
#include "qt/QtPlatform.h"

namespace sorvel {
namespace {

using bench::paliText;

// A shown document window's view holding `size` bytes, Pali entry on, the
// caret at the end in "VriRomanPali CN".
struct Window {
    QtPlatform platform;
    TransliterationState state;
    EditorView view{platform, state};

    explicit Window(std::size_t size) {
        view.resize(800, 600);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
        FontDescription pali;
        pali.mask = charmask::Face | charmask::Size;
        pali.faceName = "VriRomanPali CN";
        pali.height = 240;
        view.surface().setCharFormat(pali);
        view.surface().setWindowText(paliText(size));
        const long end = view.surface().getTextLength();
        view.surface().setSel(end, end);
        view.surface().setCharFormat(pali);
        QApplication::processEvents();
        state.paliEntryOn = true;
    }

    void release(Qt::Key key, const char* text) {
        QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(&view, &event);
    }
};

Window& window(std::size_t size) {
    static std::unique_ptr<Window> small;
    static std::unique_ptr<Window> big;
    auto& w = size < 4096 ? small : big;
    if (!w) {
        w = std::make_unique<Window>(size);
    }
    return *w;
}

// The release of a key that completes no code: the two reads of the
// surface's state and the read of the characters before the caret.
void BM_KeyReleaseNoCode(benchmark::State& st) {
    Window& w = window(static_cast<std::size_t>(st.range(0)));
    w.view.surface().replaceSel("\r\nx", false);
    for (auto _ : st) {
        w.release(Qt::Key_X, "x");
    }
    st.counters["length"] = static_cast<double>(w.view.surface().getTextLength());
}

// The release of the d of ".d": the pass finds the code and replaces it by
// the underdot d; typing the code is not timed.
void BM_KeyReleaseReplacing(benchmark::State& st) {
    Window& w = window(static_cast<std::size_t>(st.range(0)));
    int typed = 0;
    for (auto _ : st) {
        st.PauseTiming();
        // A paragraph of about seventy characters, as in the rest of the text.
        if (++typed % 64 == 0) {
            w.view.surface().replaceSel("\r\n", false);
        }
        w.view.surface().replaceSel(".d", false);
        st.ResumeTiming();
        w.release(Qt::Key_D, "d");
    }
    st.counters["length"] = static_cast<double>(w.view.surface().getTextLength());
    if (w.view.surface().getTextRange(w.view.surface().getTextLength() - 1,
                                      w.view.surface().getTextLength()) != "\xB9") {
        st.SkipWithError("the code was not replaced");
    }
}

BENCHMARK(BM_KeyReleaseNoCode)->Arg(1024)->Arg(16 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyReleaseReplacing)->Arg(1024)->Arg(16 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorvel
