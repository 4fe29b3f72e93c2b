#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QTextCursor>
#include <filesystem>
#include <memory>

#include "PaliText.h"
#include "app/Document.h"
#include "docformat/DocumentFile.h"
#include "qt/QtRichText.h"
#include "recovery/RecoveryStore.h"
#include "shell/DocumentRecovery.h"

namespace sorvel {
namespace {

// A document of `size` bytes as a user has it: Pali text in a Pali font,
// every fifth paragraph in an ordinary font, bold words here and there.
std::unique_ptr<Document> bigDocument(std::size_t size) {
    const std::string text = bench::paliText(size);
    FontDescription pali = RichText::standardFormat();
    pali.faceName = "VriRomanPali CN";
    FontDescription plain = RichText::standardFormat();
    plain.faceName = "Times New Roman";
    FontDescription bold = pali;
    bold.effects |= chareffect::Bold;
    RichText rich(pali);
    std::size_t start = 0;
    int paragraph = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        end = end == std::string::npos ? text.size() : end;
        const FontDescription& face = ++paragraph % 5 == 0 ? plain : pali;
        const std::size_t split = start + (end - start) / 2;
        rich.append(std::string_view(text).substr(start, split - start), face);
        rich.append(std::string_view(text).substr(split, end - split),
                    paragraph % 3 == 0 ? bold : face);
        if (end < text.size()) {
            rich.appendBreak(face, ParaFormat());
        }
        start = end + 2;
    }
    auto doc = Document::makeNew("RuvoVIR1");
    QtRichText::load(*doc->text(), rich);
    return doc;
}

Document& document() {
    static std::unique_ptr<Document> doc = bigDocument(16 << 20);
    return *doc;
}

struct Folder {
    std::string path;
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "sorvel-bench-XXXXXX");
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

// What the program's thread does for a copy: the snapshot of the document.
void BM_RecoverySnapshotOnGuiThread(benchmark::State& st) {
    Document& doc = document();
    for (auto _ : st) {
        benchmark::DoNotOptimize(doc.snapshot());
    }
    st.counters["bytes"] = static_cast<double>(doc.text()->characterCount());
}

// A whole round of copies as the timer runs it, on the program's thread:
// the snapshot of one changed 16 MB document, handed to the writing thread.
void BM_RecoveryRoundOnGuiThread(benchmark::State& st) {
    Document& doc = document();
    Folder folder;
    RecoveryStore store(folder.path + "/recovery");
    if (!store.open()) {
        st.SkipWithError("no recovery folder");
        return;
    }
    DocumentRecovery recovery(store);
    const std::vector<ManagedDocument*> docs{&doc};
    for (auto _ : st) {
        st.PauseTiming();
        recovery.wait();
        QTextCursor(doc.text()).insertText(QStringLiteral("x"));
        st.ResumeTiming();
        recovery.writeCopies(docs);
    }
    recovery.wait();
}

// What the writing thread does: the rich text made from the snapshot, and
// the document as a Sorvel document, written atomically with its info.
void BM_RecoveryWriteInBackground(benchmark::State& st) {
    const std::function<RichText()> taken = document().snapshot();
    Folder folder;
    RecoveryStore store(folder.path + "/recovery");
    if (!store.open()) {
        st.SkipWithError("no recovery folder");
        return;
    }
    const RecoveryInfo info{"", "RuvoVIR1", 0, std::nullopt};
    std::size_t written = 0;
    for (auto _ : st) {
        const std::optional<std::string> bytes =
            DocumentFile::toBytes(taken(), DocumentFile::Format::Compound);
        if (!bytes || !store.writeCopy("doc-1", *bytes, info)) {
            st.SkipWithError("the copy was not written");
            return;
        }
        written = bytes->size();
    }
    st.counters["file bytes"] = static_cast<double>(written);
}

BENCHMARK(BM_RecoverySnapshotOnGuiThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecoveryRoundOnGuiThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecoveryWriteInBackground)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sorvel
