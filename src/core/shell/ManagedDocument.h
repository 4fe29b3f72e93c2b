#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/FileStamp.h"
#include "docformat/DocumentError.h"
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
    // Writes the document to `path`. On success it takes that path and the
    // file's name as title and counts as unchanged; on failure the document
    // and the file on disk stay as they were.
    virtual DocumentError save(const std::string& path) = 0;
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

  private:
    std::optional<FileStamp> fileStamp_;
};

}  // namespace sorvel
