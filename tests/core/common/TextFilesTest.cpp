#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "common/TextFiles.h"
#include "support/TempDir.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string get(const std::string& path) {
    return readWholeFile(path).value_or("<unreadable>");
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::size_t entriesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// --- reading: what is not a document is refused before it is read -----------

struct RefusedCase {
    const char* name;
    std::function<std::string(const TempDir&)> make;  // gives the path to read
    FileError::Refusal why;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class ReadRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ReadRefused, WithAMessageAndWithoutReadingOrWaiting) {
    TempDir dir;
    const std::string path = GetParam().make(dir);
    FileError error;
    EXPECT_FALSE(readWholeFile(path, &error).has_value());
    EXPECT_EQ(error.refused, GetParam().why);
    EXPECT_TRUE(error.openFailed);
    EXPECT_NE(error.message.find(path), std::string::npos) << error.message;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReadRefused,
    ::testing::Values(
        RefusedCase{"EndlessDevice", [](const TempDir&) { return std::string("/dev/zero"); },
                    FileError::Refusal::NotRegularFile},
        // A pipe without a writer would block an ordinary open for ever.
        RefusedCase{"PipeWithoutWriter",
                    [](const TempDir& d) {
                        ::mkfifo(d.file("pipe").c_str(), 0600);
                        return d.file("pipe");
                    },
                    FileError::Refusal::NotRegularFile},
        RefusedCase{"Folder", [](const TempDir& d) { return d.path(); },
                    FileError::Refusal::NotRegularFile},
        RefusedCase{"LinkToADevice",
                    [](const TempDir& d) {
                        fs::create_symlink("/dev/zero", d.file("zero"));
                        return d.file("zero");
                    },
                    FileError::Refusal::NotRegularFile},
        // Sparse: as large as it says, without the disk space.
        RefusedCase{"FileLargerThanTheBound",
                    [](const TempDir& d) {
                        const int fd = ::open(d.file("big").c_str(), O_CREAT | O_WRONLY, 0600);
                        EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(kMaxFileBytes) + 1), 0);
                        ::close(fd);
                        return d.file("big");
                    },
                    FileError::Refusal::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

// --- writing ------------------------------------------------------------------

TEST(WriteFileAtomically, ThroughALinkTheTargetIsWrittenAndTheLinkStays) {
    TempDir dir;
    fs::create_directories(dir.file("real"));
    put(dir.file("real/doc.rtf"), "old");
    // A chain: a relative link to a link in another folder.
    fs::create_symlink(dir.file("real/doc.rtf"), dir.file("real/latest.rtf"));
    fs::create_symlink("real/latest.rtf", dir.file("link.rtf"));
    ASSERT_TRUE(writeFileAtomically(dir.file("link.rtf"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.rtf")));
    EXPECT_TRUE(fs::is_symlink(dir.file("real/latest.rtf")));
    EXPECT_EQ(get(dir.file("real/doc.rtf")), "new");
    EXPECT_EQ(entriesIn(dir.path()), 2u) << "nothing left beside the link";
    EXPECT_EQ(entriesIn(dir.file("real")), 2u) << "nothing left beside the target";
}

TEST(WriteFileAtomically, ALinkToAFileNotYetThereMakesTheFile) {
    TempDir dir;
    fs::create_symlink("new.rtf", dir.file("link.rtf"));
    ASSERT_TRUE(writeFileAtomically(dir.file("link.rtf"), "first"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.rtf")));
    EXPECT_EQ(get(dir.file("new.rtf")), "first");
}

TEST(WriteFileAtomically, ALoopOfLinksFails) {
    TempDir dir;
    fs::create_symlink("b", dir.file("a"));
    fs::create_symlink("a", dir.file("b"));
    FileError error;
    EXPECT_FALSE(writeFileAtomically(dir.file("a"), "x", &error));
    EXPECT_EQ(error.errorNumber, ELOOP);
    EXPECT_TRUE(fs::is_symlink(dir.file("a")));
    // The loop goes before the folder's clean-up walks into it.
    fs::remove(dir.file("a"));
    fs::remove(dir.file("b"));
}

TEST(WriteFileAtomically, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    TempDir dir;
    put(dir.file("kept.rtf"), "protected");
    ::chmod(dir.file("kept.rtf").c_str(), 0444);
    FileError error;
    EXPECT_FALSE(writeFileAtomically(dir.file("kept.rtf"), "replaced", &error));
    EXPECT_EQ(error.errorNumber, EACCES);
    EXPECT_EQ(get(dir.file("kept.rtf")), "protected");
    EXPECT_EQ(modeOf(dir.file("kept.rtf")), 0444u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, AFileTheUserMayNotWriteIsRefusedThoughTheFolderIsOpen) {
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);  // a rename would succeed
    put(dir.file("theirs.rtf"), "theirs");
    ::chmod(dir.file("theirs.rtf").c_str(), 0644);
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user";
    }
    const std::string path = dir.file("theirs.rtf");
    EXPECT_EQ(testing::runUnprivileged([&] { return writeFileAtomically(path, "mine") ? 1 : 0; }),
              0);
    EXPECT_EQ(get(path), "theirs");
}

TEST(WriteFileAtomically, AnExistingFileKeepsItsPermissionsAndGroup) {
    TempDir dir;
    put(dir.file("a.rtf"), "old");
    ::chmod(dir.file("a.rtf").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.file("a.rtf").c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(writeFileAtomically(dir.file("a.rtf"), "new"));
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("a.rtf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
}

TEST(WriteFileAtomically, ANewFileGetsThePermissionsTheUmaskLeaves) {
    TempDir dir;
    for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{027}}) {
        const mode_t old = ::umask(mask);
        const std::string path = dir.file("new" + std::to_string(mask));
        ASSERT_TRUE(writeFileAtomically(path, "x"));
        ::umask(old);
        EXPECT_EQ(modeOf(path), 0666u & ~mask) << "umask " << mask;
    }
}

TEST(WriteFileAtomically, WhatIsNoRegularFileIsRefusedAndLeftAlone) {
    TempDir dir;
    fs::create_directories(dir.file("folder"));
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    for (const std::string name : {"folder", "pipe"}) {
        FileError error;
        EXPECT_FALSE(writeFileAtomically(dir.file(name), "x", &error)) << name;
        EXPECT_NE(error.message.find("not a regular file"), std::string::npos) << error.message;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
    EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

}  // namespace
}  // namespace sorvel
