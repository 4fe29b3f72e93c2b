#pragma once

#include <string>
#include <string_view>

#include "recovery/InstanceLock.h"
#include "recovery/RecoveryClaim.h"
#include "recovery/RecoveryInfo.h"

namespace sorvel {

// The recovery copies of one running program, kept on disk so that a crash
// loses nothing.
//
// Under the root folder each running program has a folder of its own,
// "run-<pid>-<letters>", locked for as long as it runs (InstanceLock). Each
// copy is two files there: "<id>.rtf", the document as a Sorvel document, and
// "<id>.info", what restoring it needs (RecoveryInfo); both are written
// atomically. A program that ends normally removes its folder; the folders
// left behind belong to programs that did not, and the next program claims
// them (claimAbandoned) once their owner is no longer running. Copies that
// cannot be read are moved to the folder "damaged" instead of being deleted.
//
// Writing and removing copies may happen on any one thread; the folder is
// made and given up on the thread that owns the store.
class RecoveryStore {
  public:
    explicit RecoveryStore(std::string root);
    // Lets go of the folder; its copies stay, as they do after a crash.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Makes this program's folder (and the root, readable by the user
    // alone) and locks it. False, with the reason in `error`, when it cannot.
    bool open(std::string* error = nullptr);
    bool isOpen() const { return lock_.held(); }

    const std::string& root() const { return root_; }
    // This program's own folder; empty until opened.
    const std::string& folder() const { return folder_; }
    // Where copies that cannot be read are kept.
    std::string damagedFolder() const;

    // Writes copy `id`: `document` (the bytes of a Sorvel document), then
    // its info. False, with the reason, when it fails; an earlier copy of
    // the same id then stays whole.
    bool writeCopy(std::string_view id, std::string_view document, const RecoveryInfo& info,
                   std::string* error = nullptr);
    void removeCopy(std::string_view id);
    // The program ends normally: removes every copy and the folder itself.
    void endNormally();

    // The copies left by programs that did not end normally and are no
    // longer running, claimed for this one (see RecoveryClaim).
    RecoveryClaim claimAbandoned() const;

  private:
    std::string root_;
    std::string folder_;
    InstanceLock lock_;
};

}  // namespace sorvel
