// Reading and writing a 10 MB RTF document with a change of format every
// few words.
#include <benchmark/benchmark.h>

#include "../tests/support/SampleDocuments.h"
#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"

namespace {

// The document whose RTF is about 10 MB.
const sorvel::RichText& document() {
    static const sorvel::RichText doc = [] {
        const std::size_t sample = 1 << 20;
        const std::size_t rtfPerSample =
            sorvel::RtfWriter::write(sorvel::testing::largeDocument(sample)).size();
        return sorvel::testing::largeDocument((std::size_t{10} << 20) * sample / rtfPerSample);
    }();
    return doc;
}

const std::string& rtf() {
    static const std::string bytes = sorvel::RtfWriter::write(document());
    return bytes;
}

void BM_WriteRtf10MB(benchmark::State& state) {
    for (auto _ : state) {
        std::string out = sorvel::RtfWriter::write(document());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf().size()));
    state.counters["rtf_MB"] = static_cast<double>(rtf().size()) / (1 << 20);
}
BENCHMARK(BM_WriteRtf10MB)->Unit(benchmark::kMillisecond);

void BM_ReadRtf10MB(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<sorvel::RichText> doc = sorvel::RtfReader::read(rtf());
        benchmark::DoNotOptimize(doc->length());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf().size()));
    state.counters["rtf_MB"] = static_cast<double>(rtf().size()) / (1 << 20);
}
BENCHMARK(BM_ReadRtf10MB)->Unit(benchmark::kMillisecond);

}  // namespace
