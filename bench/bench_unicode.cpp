// A folder of 1,000 Sorvel documents of about 20 KB each (RTF in a compound
// file, Pali and ordinary text changing format every few words) converted to
// Unicode by `sorvel-convert unicode FOLDER --out-dir DIR`, in this process:
// walking, reading, converting and writing every file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "../tests/support/SampleDocuments.h"
#include "../tests/support/TempDir.h"
#include "cli/ConvertTool.h"
#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"
#include "unicode/UnicodeExport.h"

namespace {

constexpr int kDocuments = 1000;
constexpr std::size_t kDocumentBytes = 20 * 1024;

// A document whose saved file is about 20 KB.
const sorvel::RichText& document() {
    static const sorvel::RichText doc = [] {
        const std::size_t sample = 16 * 1024;
        const std::size_t fileOfSample =
            sorvel::DocumentFile::toBytes(sorvel::testing::largeDocument(sample),
                                          sorvel::DocumentFile::Format::Compound)
                ->size();
        return sorvel::testing::largeDocument(kDocumentBytes * sample / fileOfSample);
    }();
    return doc;
}

struct Folder {
    sorvel::testing::TempDir dir;
    std::size_t bytes = 0;
    Folder() {
        const std::string file =
            *sorvel::DocumentFile::toBytes(document(), sorvel::DocumentFile::Format::Compound);
        std::filesystem::create_directories(dir.file("in/part"));
        for (int i = 0; i < kDocuments; ++i) {
            // A tenth of them one folder down, so that the walk goes deeper.
            const std::string name =
                (i % 10 == 0 ? "in/part/doc" : "in/doc") + std::to_string(i) + ".doc";
            sorvel::writeFileAtomically(dir.file(name), file);
            bytes += file.size();
        }
    }
};

Folder& folder() {
    static Folder f;
    return f;
}

void convertFolder(benchmark::State& state, const char* format) {
    Folder& f = folder();
    int run = 0;
    for (auto _ : state) {
        const std::string out = f.dir.file("out" + std::to_string(run++));
        std::istringstream in;
        std::ostringstream lines;
        std::ostringstream err;
        sorvel::ConvertTool tool;
        const int status = tool.run(
            {"unicode", "--format", format, f.dir.file("in"), "--out-dir", out}, {in, lines, err});
        if (status != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        state.PauseTiming();
        std::filesystem::remove_all(out);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(f.bytes));
    state.counters["files"] = kDocuments;
    state.counters["KB_per_file"] = static_cast<double>(f.bytes) / kDocuments / 1024;
}

void BM_FolderOf1000DocumentsToUtf8Text(benchmark::State& state) {
    convertFolder(state, "txt");
}
BENCHMARK(BM_FolderOf1000DocumentsToUtf8Text)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FolderOf1000DocumentsToUnicodeRtf(benchmark::State& state) {
    convertFolder(state, "rtf");
}
BENCHMARK(BM_FolderOf1000DocumentsToUnicodeRtf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The conversion alone, in memory, for one of those documents.
void BM_OneDocumentToUnicodeRtfInMemory(benchmark::State& state) {
    for (auto _ : state) {
        std::string rtf = sorvel::UnicodeExport::toRtf(document());
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(state.iterations() * document().length());
}
BENCHMARK(BM_OneDocumentToUnicodeRtfInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
