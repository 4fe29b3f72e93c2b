#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "common/TextFiles.h"
#include "support/TempDir.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A file written piece by piece, large enough to be flushed while it is
// written, with bytes taken back out of it on the way: what lands is what
// was written, whatever the pieces, and nothing is left beside it.
struct StreamCase {
    const char* name;
    std::size_t total;          // bytes written in all
    std::size_t piece;          // the size of each write
    std::size_t takeBackEvery;  // take bytes back after this many writes; 0: never
    bool commit;                // or abandon at the end
};

class StreamedWrite : public ::testing::TestWithParam<StreamCase> {};

TEST_P(StreamedWrite, LandsWholeOrNotAtAll) {
    const StreamCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.file("out.txt");
    std::ofstream(path, std::ios::binary) << "the old content";

    std::mt19937 random(7);
    std::string expected;
    AtomicFile file;
    ASSERT_TRUE(file.open(path));
    std::string piece(c.piece, '\0');
    for (std::size_t k = 1; expected.size() < c.total; ++k) {
        for (char& ch : piece) {
            ch = static_cast<char>(random());
        }
        ASSERT_TRUE(file.write(piece));
        expected += piece;
        if (c.takeBackEvery && k % c.takeBackEvery == 0) {
            const std::size_t n = std::min<std::size_t>(expected.size(), c.piece / 2 + 3);
            std::string back;
            ASSERT_TRUE(file.takeBack(n, back));
            EXPECT_EQ(back, expected.substr(expected.size() - n));
            expected.resize(expected.size() - n);
        }
    }
    EXPECT_EQ(file.size(), expected.size());
    if (c.commit) {
        ASSERT_TRUE(file.commit());
        EXPECT_TRUE(readWholeFile(path) == expected);
    } else {
        file.abandon();
        EXPECT_EQ(readWholeFile(path).value_or(""), "the old content");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    AtomicFile, StreamedWrite,
    ::testing::Values(StreamCase{"Small", 10'000, 1'000, 0, true},
                      StreamCase{"LargeInSmallPieces", 9 << 20, 100'003, 0, true},
                      StreamCase{"LargeInLargePieces", 9 << 20, 3 << 20, 0, true},
                      StreamCase{"LargeWithBytesTakenBack", 9 << 20, 300'007, 4, true},
                      StreamCase{"LargeAbandoned", 9 << 20, 1 << 20, 0, false},
                      StreamCase{"LargeTakenBackAndAbandoned", 9 << 20, 500'009, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
