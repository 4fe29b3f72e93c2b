#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/FileStamp.h"
#include "docformat/DocumentError.h"
#include "docformat/DocumentFile.h"
#include "docformat/DocumentReport.h"
#include "text/RichText.h"

namespace sorvel {

// An open document as the document manager sees it: its name, its file,
// whether it has unsaved changes, saving, and how many windows show it. The
// application's document implements it; tests, a fake.
class ManagedDocument {
  public:
    virtual ~ManagedDocument() = default;

    // The name its windows show (UTF-8): the file's name, or RuvoVIRn for a
    // document never saved.
    virtual std::string title() const = 0;
    // The file, absolute; empty for a document never saved.
    virtual const std::string& path() const = 0;
    virtual bool isModified() const = 0;
    // Writes the document to `path` in the form `format`. On success it
    // takes that path and the file's name as title and counts as unchanged;
    // on failure the document and the file on disk stay as they were.
    virtual DocumentError save(const std::string& path, DocumentFile::Format format) = 0;
    // The open windows on it.
    virtual int windowCount() const = 0;

    // A number that grows with every change of the text or its formats, so
    // that a recovery copy can tell whether it is still up to date.
    virtual std::uint64_t changeCount() const = 0;
    // The whole document as it is now, for a recovery copy: taken here, at
    // little cost, as a function that makes the rich text from it. The
    // function holds all it needs, and may be called later on another thread.
    virtual std::function<RichText()> snapshot() const = 0;

    // What the document's file looked like when the document was read from
    // it or last written to it; none for a new document. Saving compares it
    // with the file as it is, to notice a change by another program.
    const std::optional<FileStamp>& fileStamp() const { return fileStamp_; }
    void setFileStamp(const std::optional<FileStamp>& stamp) { fileStamp_ = stamp; }

    // --- the form of its file, and what of the file it could not keep ---
    // The form that saving under its own name writes: the form its file had
    // when it was read or last written. A new document is saved as plain
    // RTF, which every word processor reads.
    DocumentFile::Format fileFormat() const { return fileFormat_; }
    void setFileFormat(DocumentFile::Format format) { fileFormat_ = format; }
    // What reading its file left out, and where Unicode Pali went; empty for
    // a new document, and once it has been saved (its file then holds just
    // what it holds). While it names lost content, saving over the file asks.
    const DocumentReport& leftOut() const { return leftOut_; }
    void setLeftOut(DocumentReport report) { leftOut_ = std::move(report); }

  private:
    std::optional<FileStamp> fileStamp_;
    DocumentFile::Format fileFormat_ = DocumentFile::Format::Rtf;
    DocumentReport leftOut_;
};

}  // namespace sorvel
