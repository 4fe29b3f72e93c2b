#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "LargeRtf.h"
#include "PaliText.h"
#include "QtBenchMain.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/MainWindow.h"
#include "docformat/DocumentFile.h"
#include "qt/QtPlatform.h"
#include "qt/QtRichText.h"

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

// The windows live from their first benchmark until closeWindows(), which
// runs at the end while the application still exists.
std::unique_ptr<Window>& windowSlot(std::size_t size) {
    static std::unique_ptr<Window> small;
    static std::unique_ptr<Window> big;
    return size < 4096 ? small : big;
}

Window& window(std::size_t size) {
    auto& w = windowSlot(size);
    if (!w) {
        w = std::make_unique<Window>(size);
    }
    return *w;
}

void closeWindows() {
    windowSlot(0).reset();
    windowSlot(1 << 20).reset();
}

// The resident memory of this process in megabytes.
double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

// The most resident memory this process has had since resetPeak(), in
// megabytes.
double peakMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1000.0;
        }
    }
    return 0;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The long office document, written once to a file.
const std::string& largeRtfFile() {
    static const std::string path = [] {
        const std::string p = QDir::temp()
                                  .filePath(QStringLiteral("sorvel-bench-large-%1.rtf")
                                                .arg(QCoreApplication::applicationPid()))
                                  .toStdString();
        std::ofstream(p, std::ios::binary) << bench::largeOfficeRtf();
        return p;
    }();
    return path;
}

// Opening the long document in the main window, from the call that opens
// the file until the view is shown and painted, its caret in the text.
void BM_OpenLargeDocument(benchmark::State& st) {
    const std::string& path = largeRtfFile();
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QtPlatform platform;
    TransliterationState state;
    MainWindow frame(platform, state, &settings);
    frame.resize(1024, 768);
    frame.show();
    (void)QTest::qWaitForWindowExposed(&frame);
    long length = 0;
    double before = 0;
    double grown = 0;
    double laidOut = 0;
    double peak = 0;
    for (auto _ : st) {
        before = residentMb();
        resetPeak();
        const auto start = std::chrono::steady_clock::now();
        DocumentWindow* window = frame.openDocument(path);
        if (!window) {
            st.SkipWithError("the document did not open");
            return;
        }
        EditorView* view = frame.activeView();
        view->viewport()->repaint();
        QApplication::processEvents();
        st.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        length = view->surface().getTextLength();
        st.PauseTiming();
        if (grown == 0) {
            // The first time only: later ones find the memory of the one before.
            grown = residentMb() - before;
            peak = peakMb() - before;
            // Qt goes on laying out the rest of the document while the view
            // waits for input; what that holds once it is done.
            QAbstractTextDocumentLayout* layout = view->document()->documentLayout();
            double height = -1;
            for (int still = 0, i = 0; still < 20 && i < 3000; ++i) {
                QTest::qWait(5);
                const double now = layout->documentSize().height();
                still = now == height ? still + 1 : 0;
                height = now;
            }
            laidOut = residentMb() - before;
        }
        window->close();
        QApplication::processEvents();
        // The document goes when the event loop would delete it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        st.ResumeTiming();
    }
    st.counters["length"] = static_cast<double>(length);
    st.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    // What the open window holds: the document, its layout so far, the view.
    st.counters["memory_MB"] = grown;
    st.counters["laid_out_MB"] = laidOut;
    st.counters["peak_MB"] = peak;
}

// Where the time of opening goes: reading the RTF, building the Qt
// document from it, and the view's layout and first paint.
void BM_OpenLargeDocumentPhases(benchmark::State& st) {
    const std::string& path = largeRtfFile();
    QtPlatform platform;
    TransliterationState state;
    double parse = 0;
    double build = 0;
    double show = 0;
    for (auto _ : st) {
        auto t0 = std::chrono::steady_clock::now();
        DocumentFile::Opened opened = DocumentFile::open(path);
        auto t1 = std::chrono::steady_clock::now();
        QTextDocument doc;
        QtRichText::load(doc, *opened.document);
        auto t2 = std::chrono::steady_clock::now();
        {
            EditorView view(platform, state, &doc);
            view.resize(800, 600);
            view.show();
            (void)QTest::qWaitForWindowExposed(&view);
            view.viewport()->repaint();
            QApplication::processEvents();
            auto t3 = std::chrono::steady_clock::now();
            parse += std::chrono::duration<double>(t1 - t0).count();
            build += std::chrono::duration<double>(t2 - t1).count();
            show += std::chrono::duration<double>(t3 - t2).count();
            st.SetIterationTime(std::chrono::duration<double>(t3 - t0).count());
        }
    }
    const auto n = static_cast<double>(st.iterations());
    st.counters["parse_s"] = parse / n;
    st.counters["build_s"] = build / n;
    st.counters["layout_s"] = show / n;
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
BENCHMARK(BM_OpenLargeDocument)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenLargeDocumentPhases)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The windows and the document file go while the application still exists.
[[maybe_unused]] const bool cleanUpRegistered = (bench::beforeApplicationEnds([] {
                                                     closeWindows();
                                                     std::remove(largeRtfFile().c_str());
                                                 }),
                                                 true);

}  // namespace
}  // namespace sorvel
