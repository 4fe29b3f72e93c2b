#include <gtest/gtest.h>

#include <string>

#include "docformat/CompoundFile.h"

namespace sorvel {
namespace {

std::string bytesOfSize(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    }
    return s;
}

struct SizeCase {
    const char* name;
    std::size_t size;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class CompoundContents : public ::testing::TestWithParam<SizeCase> {};

// The sizes around the library's switch from small to big blocks (4096)
// and around the block sizes themselves.
TEST_P(CompoundContents, ReadsBackTheStreamItWrote) {
    const std::string data = bytesOfSize(GetParam().size);
    const std::optional<std::string> file = CompoundFile::writeContents(data);
    ASSERT_TRUE(file);
    EXPECT_TRUE(CompoundFile::isCompound(*file));
    EXPECT_EQ(CompoundFile::rootNames(*file), std::vector<std::string>{"Contents"});
    std::string error;
    const std::optional<std::string> back = CompoundFile::readContents(*file, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, data);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CompoundContents,
                         ::testing::Values(SizeCase{"Empty", 0}, SizeCase{"One", 1},
                                           SizeCase{"SmallBlock", 64}, SizeCase{"Small", 4095},
                                           SizeCase{"Threshold", 4096}, SizeCase{"Big", 4097},
                                           SizeCase{"ManyBlocks", 300000}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StreamsCase {
    const char* name;
    std::vector<std::pair<std::string, std::string_view>> streams;
    std::string contents;
    friend void PrintTo(const StreamsCase& c, std::ostream* os) { *os << c.name; }
};

class CompoundStreams : public ::testing::TestWithParam<StreamsCase> {};

TEST_P(CompoundStreams, FindContentsWithoutRegardToCase) {
    const std::optional<std::string> file = CompoundFile::write(GetParam().streams);
    ASSERT_TRUE(file);
    const std::optional<std::string> contents = CompoundFile::readContents(*file);
    ASSERT_TRUE(contents);
    EXPECT_EQ(*contents, GetParam().contents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompoundStreams,
    ::testing::Values(StreamsCase{"NoStreams", {}, ""},
                      StreamsCase{"NoContents", {{"Other", "x"}, {"Content", "y"}}, ""},
                      StreamsCase{"UpperCase", {{"CONTENTS", "upper"}}, "upper"},
                      StreamsCase{"LowerCaseAmongOthers",
                                  {{"A", "a"}, {"contents", "lower"}, {"Z", "z"}},
                                  "lower"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompoundFile, RefusesWhatIsNoCompoundFile) {
    std::string error;
    EXPECT_FALSE(CompoundFile::readContents("{\\rtf1 hello}", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(CompoundFile::isCompound("{\\rtf1 hello}"));
    EXPECT_FALSE(CompoundFile::rootNames("plain"));
}

TEST(CompoundFile, SignatureWithGarbageIsRefused) {
    std::string bytes = *CompoundFile::writeContents("x");
    bytes.replace(8, std::string::npos, std::string(bytes.size() - 8, '\xFF'));
    EXPECT_FALSE(CompoundFile::readContents(bytes));
}

// A damaged file may be refused or may give some bytes, but reading it
// never crashes, never gives more than the file holds and prints nothing
// on the console.
TEST(CompoundFile, DamagedFilesAreReadSafelyAndQuietly) {
    const std::string data = bytesOfSize(20000);
    const std::string good = *CompoundFile::writeContents(data);
    std::vector<std::string> damaged;
    for (const std::size_t cut :
         {std::size_t{512}, std::size_t{1000}, good.size() / 2, good.size() - 1}) {
        damaged.push_back(good.substr(0, cut));
    }
    for (std::size_t at = 8; at < 512; at += 3) {
        std::string d = good;
        d[at] = static_cast<char>(d[at] ^ 0xA5);
        damaged.push_back(d);
    }
    for (std::size_t at = 512; at < good.size(); at += 509) {
        std::string d = good;
        std::fill(d.begin() + static_cast<long>(at),
                  d.begin() + static_cast<long>(std::min(at + 64, d.size())), '\xFF');
        damaged.push_back(d);
    }
    int refused = 0;
    ::testing::internal::CaptureStderr();
    for (const std::string& d : damaged) {
        const std::optional<std::string> contents = CompoundFile::readContents(d);
        if (!contents) {
            ++refused;
        } else {
            EXPECT_LE(contents->size(), d.size());
        }
    }
    const std::string console = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(console, "");
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace sorvel
