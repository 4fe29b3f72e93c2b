#include "docformat/DocumentFile.h"

#include "common/AtomicFile.h"
#include "common/TextFiles.h"
#include "docformat/CompoundFile.h"
#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"

namespace sorvel {

namespace {

DocumentError makeError(DocumentError::Kind kind, const std::string& path, std::string detail) {
    DocumentError e;
    e.kind = kind;
    e.path = path;
    e.detail = std::move(detail);
    return e;
}

bool isBlank(std::string_view bytes) {
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

DocumentFile::Opened DocumentFile::open(const std::string& path, const FontDescription& paliFont) {
    FileError error;
    const std::optional<std::string> bytes = readWholeFile(path, &error);
    if (!bytes) {
        Opened failed;
        DocumentError::Kind kind = DocumentError::ofOpenErrno(error.errorNumber);
        if (error.refused == FileError::Refusal::NotRegularFile) {
            kind = DocumentError::Kind::NotAFile;
        } else if (error.refused == FileError::Refusal::TooLarge) {
            kind = DocumentError::Kind::TooLarge;
        }
        failed.error = makeError(kind, path, error.message);
        return failed;
    }
    return openBytes(*bytes, path, paliFont);
}

DocumentFile::Opened DocumentFile::openBytes(std::string_view bytes, const std::string& path,
                                             const FontDescription& paliFont) {
    Opened result;
    std::optional<std::string> contents;
    std::string_view rtf = bytes;
    if (CompoundFile::isCompound(bytes)) {
        result.format = Format::Compound;
        std::string detail;
        contents = CompoundFile::readContents(bytes, &detail);
        if (!contents) {
            result.error = makeError(DocumentError::Kind::UnexpectedFormat, path, detail);
            return result;
        }
        rtf = *contents;
    }
    if (isBlank(rtf)) {
        // A compound file without "Contents", or an empty file: an empty document.
        result.document.emplace();
        return result;
    }
    FontDescription pali = paliFont;
    if (pali.faceName.empty()) {
        pali.faceName = kDefaultPaliFace;
        pali.charSet = 0;
        pali.pitchAndFamily = 0;
    }
    result.document = RtfReader::read(rtf, {.report = &result.report, .paliFont = &pali});
    if (!result.document) {
        result.error =
            makeError(DocumentError::Kind::UnexpectedFormat, path, "the document is not RTF text");
    }
    return result;
}

std::optional<std::string> DocumentFile::toBytes(const RichText& doc, Format format,
                                                 std::string* error) {
    std::string rtf = RtfWriter::write(doc);
    if (format == Format::Rtf) {
        return rtf;
    }
    return CompoundFile::writeContents(rtf, error);
}

DocumentError DocumentFile::save(const RichText& doc, const std::string& path, Format format) {
    const std::string rtf = RtfWriter::write(doc);
    AtomicFile file;
    FileError error;
    if (!file.open(path, &error)) {
        return makeError(DocumentError::ofSaveErrno(error.errorNumber), path, error.message);
    }
    // A compound file goes to the disk from where the library made it.
    bool fileFailed = false;
    auto toFile = [&](std::string_view bytes) {
        fileFailed = !file.write(bytes, &error);
        return !fileFailed;
    };
    std::string detail;
    const bool made =
        format == Format::Rtf ? toFile(rtf) : CompoundFile::writeContents(rtf, toFile, &detail);
    if (!made && !fileFailed) {
        return makeError(DocumentError::Kind::SaveFailed, path, detail);
    }
    if (!made || !file.commit(&error)) {
        return makeError(DocumentError::ofSaveErrno(error.errorNumber), path, error.message);
    }
    return DocumentError{};
}

}  // namespace sorvel
