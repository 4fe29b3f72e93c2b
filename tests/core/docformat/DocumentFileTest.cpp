#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "common/TextFiles.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "docformat/RtfWriter.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"

namespace sorvel {
namespace {

using Kind = DocumentError::Kind;
using testing::TempDir;

void writeFile(const std::string& path, std::string_view bytes) {
    ASSERT_TRUE(writeFileAtomically(path, bytes));
}

std::string readFile(const std::string& path) {
    return readWholeFile(path).value_or("<unreadable>");
}

int fileCount(const std::string& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++n;
    }
    return n;
}

TEST(DocumentFile, PlainRtfOpensAndIsSavedAsACompoundFile) {
    TempDir dir;
    const std::string path = dir.file("letter.rtf");
    writeFile(path, "{\\rtf1\\ansi{\\fonttbl{\\f0 VriRomanPali CN;}}\\f0 sa\\'f1gha\\par}");
    DocumentFile::Opened opened = DocumentFile::open(path);
    ASSERT_TRUE(opened) << opened.error.detail;
    EXPECT_EQ(opened.format, DocumentFile::Format::Rtf);
    EXPECT_EQ(opened.document->text(), "sa\xF1gha");

    ASSERT_TRUE(DocumentFile::save(*opened.document, path).ok());
    const std::string saved = readFile(path);
    ASSERT_TRUE(CompoundFile::isCompound(saved));
    const std::optional<std::string> contents = CompoundFile::readContents(saved);
    ASSERT_TRUE(contents);
    EXPECT_TRUE(contents->starts_with("{\\rtf1"));

    const DocumentFile::Opened again = DocumentFile::open(path);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.format, DocumentFile::Format::Compound);
    EXPECT_TRUE(*again.document == *opened.document);
    EXPECT_EQ(fileCount(dir.path()), 1);  // no temporary file left behind
}

TEST(DocumentFile, SavesPlainRtfWhenAsked) {
    TempDir dir;
    const RichText doc = testing::randomDocument(5, 6);
    ASSERT_TRUE(DocumentFile::save(doc, dir.file("a.rtf"), DocumentFile::Format::Rtf).ok());
    EXPECT_EQ(readFile(dir.file("a.rtf")), RtfWriter::write(doc));
    const DocumentFile::Opened opened = DocumentFile::open(dir.file("a.rtf"));
    ASSERT_TRUE(opened);
    EXPECT_TRUE(*opened.document == doc);
}

struct OpenCase {
    const char* name;
    std::string bytes;
    Kind kind;  // None: opens as an empty document
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

class DocumentFileOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(DocumentFileOpen, GivesAnEmptyDocumentOrTheRightError) {
    TempDir dir;
    const std::string path = dir.file("doc.rtf");
    writeFile(path, GetParam().bytes);
    const DocumentFile::Opened opened = DocumentFile::open(path);
    EXPECT_EQ(opened.error.kind, GetParam().kind) << opened.error.detail;
    if (GetParam().kind == Kind::None) {
        ASSERT_TRUE(opened);
        EXPECT_TRUE(opened.document->empty());
    } else {
        EXPECT_FALSE(opened);
        EXPECT_EQ(opened.error.path, path);
    }
}

std::string compoundWith(std::vector<std::pair<std::string, std::string_view>> streams) {
    return CompoundFile::write(streams).value_or("");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentFileOpen,
    ::testing::Values(
        OpenCase{"EmptyFile", "", Kind::None}, OpenCase{"BlankFile", " \r\n", Kind::None},
        OpenCase{"CompoundWithoutContents", compoundWith({{"Other", "{\\rtf1 x}"}}), Kind::None},
        OpenCase{"CompoundWithEmptyContents", compoundWith({{"Contents", ""}}), Kind::None},
        OpenCase{"PlainText", "Dear friend,\r\n", Kind::UnexpectedFormat},
        OpenCase{"CompoundWithText", compoundWith({{"Contents", "plain text"}}),
                 Kind::UnexpectedFormat},
        OpenCase{"DamagedCompound",
                 compoundWith({{"Contents", "{\\rtf1 x}"}}).substr(0, 8) + std::string(600, 'x'),
                 Kind::UnexpectedFormat}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentFile, MissingFilesAndFoldersAreNotFound) {
    TempDir dir;
    for (const std::string& path : {dir.file("none.rtf"), dir.file("no/such/dir.rtf")}) {
        const DocumentFile::Opened opened = DocumentFile::open(path);
        EXPECT_EQ(opened.error.kind, Kind::NotFound);
        EXPECT_EQ(opened.error.message(),
                  path +
                      "\nCannot find this file.\nPlease verify that the correct path and file "
                      "name are given.");
    }
}

TEST(DocumentFile, WhatCannotBeADocumentIsRefusedBeforeItIsRead) {
    TempDir dir;
    for (const std::string& path : {dir.path(), std::string("/dev/zero")}) {
        const DocumentFile::Opened opened = DocumentFile::open(path);
        EXPECT_EQ(opened.error.kind, Kind::NotAFile) << path;
        EXPECT_EQ(opened.error.message().rfind(path + "\nThis is not a file", 0), 0u)
            << opened.error.message();
    }
}

TEST(DocumentFile, AFileThatCannotBeReadIsReported) {
    TempDir dir;
    const std::string path = dir.file("locked.rtf");
    writeFile(path, "{\\rtf1 secret}");
    ::chmod(path.c_str(), 0);
    const int kind = testing::runUnprivileged(
        [&path] { return static_cast<int>(DocumentFile::open(path).error.kind); });
    EXPECT_EQ(kind, static_cast<int>(Kind::ReadDenied));
}

TEST(DocumentFile, AFailedSaveLeavesTheOldFileAsItWas) {
    TempDir dir;
    const std::string folder = dir.file("read-only");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/doc.rtf";
    writeFile(path, "old content");
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.c_str(), 0555);
    const RichText doc = testing::randomDocument(9, 3);
    const int kind = testing::runUnprivileged(
        [&] { return static_cast<int>(DocumentFile::save(doc, path).kind); });
    EXPECT_EQ(kind, static_cast<int>(Kind::WriteDenied));
    EXPECT_EQ(readFile(path), "old content");
    EXPECT_EQ(fileCount(folder), 1);

    const DocumentError missing = DocumentFile::save(doc, dir.file("no/such/doc.rtf"));
    EXPECT_EQ(missing.kind, Kind::SaveFailed);
    EXPECT_EQ(missing.message(), "Failed to save document.");
}

struct MessageCase {
    const char* name;
    Kind kind;
    std::string message;
    friend void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }
};

class DocumentErrorMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DocumentErrorMessage, IsTheFrameworksText) {
    DocumentError e;
    e.kind = GetParam().kind;
    e.path = "C:\\Pali\\sutta.rtf";
    EXPECT_EQ(e.message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DocumentErrorMessage,
    ::testing::Values(
        MessageCase{"None", Kind::None, ""},
        MessageCase{"NotFound", Kind::NotFound,
                    "C:\\Pali\\sutta.rtf\nCannot find this file.\nPlease verify that the correct "
                    "path and file name are given."},
        MessageCase{"ReadDenied", Kind::ReadDenied,
                    "Unable to read from C:\\Pali\\sutta.rtf, it is opened by someone else."},
        MessageCase{"OpenFailed", Kind::OpenFailed, "Failed to open document."},
        MessageCase{"UnexpectedFormat", Kind::UnexpectedFormat, "Unexpected file format."},
        MessageCase{"WriteDenied", Kind::WriteDenied,
                    "Unable to write to C:\\Pali\\sutta.rtf, it is read-only or opened by someone "
                    "else."},
        MessageCase{"DiskFull", Kind::DiskFull, "Destination disk drive is full."},
        MessageCase{"SaveFailed", Kind::SaveFailed, "Failed to save document."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentError, SystemErrorsMapToTheirMessages) {
    EXPECT_EQ(DocumentError::ofSaveErrno(ENOSPC), Kind::DiskFull);
    EXPECT_EQ(DocumentError::ofSaveErrno(EDQUOT), Kind::DiskFull);
    EXPECT_EQ(DocumentError::ofSaveErrno(EROFS), Kind::WriteDenied);
    EXPECT_EQ(DocumentError::ofSaveErrno(EACCES), Kind::WriteDenied);
    EXPECT_EQ(DocumentError::ofSaveErrno(EIO), Kind::SaveFailed);
    EXPECT_EQ(DocumentError::ofOpenErrno(ENOENT), Kind::NotFound);
    EXPECT_EQ(DocumentError::ofOpenErrno(EACCES), Kind::ReadDenied);
    EXPECT_EQ(DocumentError::ofOpenErrno(EIO), Kind::OpenFailed);
}

}  // namespace
}  // namespace sorvel
