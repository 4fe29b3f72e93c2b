#include "QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "common/LargeBlocks.h"

namespace sorvel::bench {

namespace {

std::vector<std::function<void()>>& cleanUps() {
    static std::vector<std::function<void()>> registered;
    return registered;
}

}  // namespace

void beforeApplicationEnds(std::function<void()> cleanUp) {
    cleanUps().push_back(std::move(cleanUp));
}

}  // namespace sorvel::bench

// The main of the benchmarks that need widgets: the application object, on
// the offscreen platform unless told otherwise, and memory handled as the
// program handles it.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    sorvel::LargeBlocks::giveBackWhenFreed();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& cleanUp : sorvel::bench::cleanUps()) {
        cleanUp();
    }
    return 0;
}
