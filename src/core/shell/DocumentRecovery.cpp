#include "shell/DocumentRecovery.h"

#include <ctime>
#include <new>
#include <optional>

#include "docformat/DocumentFile.h"
#include "editor/Platform.h"
#include "recovery/RecoveryStore.h"
#include "shell/DocumentManager.h"
#include "shell/ManagedDocument.h"

namespace sorvel {

DocumentRecovery::DocumentRecovery(RecoveryStore& store) : store_(store) {}

DocumentRecovery::~DocumentRecovery() {
    writer_.wait();
}

void DocumentRecovery::writeCopies(const std::vector<ManagedDocument*>& documents) {
    for (ManagedDocument* doc : documents) {
        Entry& entry = entries_[doc];
        if (entry.id.empty()) {
            entry.id = "doc-" + std::to_string(++nextId_);
        }
        if (!doc->isModified()) {
            // Saved, or its changes undone.
            removeCopy(entry);
            continue;
        }
        const std::uint64_t change = doc->changeCount();
        if ((entry.hasCopy && entry.copiedChange == change && !*entry.failed) || *entry.writing) {
            // Up to date; or the last copy is still being written, and the
            // next round takes the changes since.
            continue;
        }
        std::function<RichText()> text;
        try {
            text = doc->snapshot();
        } catch (const std::bad_alloc&) {
            continue;  // no memory for a copy now; the document itself is untouched
        }
        const RecoveryInfo info{doc->path(), doc->title(),
                                static_cast<std::int64_t>(std::time(nullptr)), doc->fileStamp()};
        entry.hasCopy = true;
        entry.copiedChange = change;
        *entry.writing = true;
        *entry.failed = false;
        writer_.post([store = &store_, id = entry.id, text = std::move(text), info,
                      writing = entry.writing, failed = entry.failed] {
            // Tells the program's thread that the copy is done, however it ends.
            struct Done {
                std::atomic<bool>& writing;
                ~Done() { writing = false; }
            } done{*writing};
            *failed = true;  // until it is written
            const std::optional<std::string> bytes =
                DocumentFile::toBytes(text(), DocumentFile::Format::Compound);
            *failed = !bytes || !store->writeCopy(id, *bytes, info);
        });
    }
}

void DocumentRecovery::removeCopy(Entry& entry) {
    if (!entry.hasCopy) {
        return;
    }
    entry.hasCopy = false;
    // After any copy of it still waiting to be written.
    writer_.post([store = &store_, id = entry.id] { store->removeCopy(id); });
}

void DocumentRecovery::documentSaved(ManagedDocument& doc) {
    const auto it = entries_.find(&doc);
    if (it != entries_.end()) {
        removeCopy(it->second);
    }
}

void DocumentRecovery::documentClosed(ManagedDocument& doc) {
    const auto it = entries_.find(&doc);
    if (it != entries_.end()) {
        removeCopy(it->second);
        entries_.erase(it);
    }
}

void DocumentRecovery::wait() {
    writer_.wait();
}

void DocumentRecovery::endNormally() {
    writer_.wait();
    entries_.clear();
    store_.endNormally();
}

int DocumentRecovery::recoverAbandoned(Platform& platform, DocumentManager& manager) {
    RecoveryClaim claim = store_.claimAbandoned();
    if (claim.empty()) {
        claim.discard();
        return 0;
    }
    // Read before asking, so that the question names only what can be
    // restored.
    std::vector<std::pair<RecoveryCopy, RichText>> readable;
    const std::vector<RecoveryCopy> copies = claim.copies();
    for (const RecoveryCopy& copy : copies) {
        std::optional<RichText> text;
        try {
            text = RecoveryClaim::read(copy);
        } catch (const std::bad_alloc&) {
        }
        if (text) {
            readable.emplace_back(copy, std::move(*text));
        } else {
            claim.setAside(copy);
        }
    }
    int restored = 0;
    if (!readable.empty()) {
        std::string question(kQuestion);
        question += "\n";
        for (const auto& [copy, text] : readable) {
            question += '\n';
            question += copy.info.describe();
        }
        if (platform.askYesNo(question)) {
            for (const auto& [copy, text] : readable) {
                manager.restore(text, copy.info.path, copy.info.title, copy.info.stamp);
                ++restored;
            }
            // The restored documents are in this program's copies before the
            // old ones go.
            writeCopies(manager.documents());
            writer_.wait();
        }
    }
    if (!claim.damaged().empty()) {
        std::string message =
            "These recovery copies are damaged and could not be opened. They are kept for you "
            "here:\n";
        for (const std::string& kept : claim.damaged()) {
            message += "\n" + kept;
        }
        platform.messageBox(message);
    }
    claim.discard();
    return restored;
}

}  // namespace sorvel
