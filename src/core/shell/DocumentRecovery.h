#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "recovery/BackgroundWriter.h"

namespace sorvel {

class DocumentManager;
class ManagedDocument;
class Platform;
class RecoveryStore;

// The recovery copies of the open documents: what is copied when, and what
// is offered at the next start.
//
// writeCopies() is called every so often (the program's timer). It takes a
// snapshot of each document with changes that no copy holds yet, on the
// calling thread, and has it written to the store on a thread of its own, so
// that typing never waits for the disk. A copy never marks its document as
// saved and never touches the document's file. Saving a document, closing
// it, or undoing its changes removes its copy; ending normally removes them
// all.
//
// At start, recoverAbandoned() offers the copies of programs that did not
// end normally.
class DocumentRecovery {
  public:
    // The question asked at start, followed by the names of the documents.
    static constexpr std::string_view kQuestion =
        "Sorvel was not closed properly. Recover the documents that had unsaved changes?";

    // `store` is open, and outlives this.
    explicit DocumentRecovery(RecoveryStore& store);
    // Waits for the copies being written.
    ~DocumentRecovery();
    DocumentRecovery(const DocumentRecovery&) = delete;
    DocumentRecovery& operator=(const DocumentRecovery&) = delete;

    // Copies every document of `documents` whose changes no copy holds yet,
    // and removes the copies of those that have no unsaved changes any more.
    void writeCopies(const std::vector<ManagedDocument*>& documents);
    // The document has been saved, or closed: its copy goes.
    void documentSaved(ManagedDocument& doc);
    void documentClosed(ManagedDocument& doc);
    // Waits until every copy asked for so far is written.
    void wait();
    // The program ends normally: every copy goes, and the store's folder.
    void endNormally();

    // Offers the copies of programs that did not end normally and are no
    // longer running: one question naming the documents; Yes opens each in
    // a window of its own through `manager`, marked as changed; No removes
    // them. A copy that cannot be read is kept aside in the damaged folder
    // and named in a message. Gives the number of documents restored.
    int recoverAbandoned(Platform& platform, DocumentManager& manager);

  private:
    // What is known of one document's copy. `writing` and `failed` are
    // shared with the thread that writes it.
    struct Entry {
        std::string id;
        bool hasCopy = false;
        std::uint64_t copiedChange = 0;
        std::shared_ptr<std::atomic<bool>> writing = std::make_shared<std::atomic<bool>>(false);
        std::shared_ptr<std::atomic<bool>> failed = std::make_shared<std::atomic<bool>>(false);
    };

    void removeCopy(Entry& entry);

    RecoveryStore& store_;
    std::map<const ManagedDocument*, Entry> entries_;
    int nextId_ = 0;
    // Declared last so that it goes first, finishing its tasks while the
    // rest is still there.
    BackgroundWriter writer_;
};

}  // namespace sorvel
