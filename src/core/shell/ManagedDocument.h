#pragma once

#include <string>

#include "docformat/DocumentError.h"

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
};

}  // namespace sorvel
