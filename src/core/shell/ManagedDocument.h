#pragma once

#include <string>

#include "docformat/DocumentError.h"
#include "docformat/DocumentFile.h"
#include "docformat/DocumentReport.h"

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
    DocumentFile::Format fileFormat_ = DocumentFile::Format::Rtf;
    DocumentReport leftOut_;
};

}  // namespace sorvel
