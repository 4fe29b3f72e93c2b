#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "recovery/InstanceLock.h"
#include "recovery/RecoveryInfo.h"
#include "text/RichText.h"

namespace sorvel {

// One recovery copy found in a claimed folder.
struct RecoveryCopy {
    std::string folder;  // the folder it is in
    std::string id;      // its files are <id>.rtf and <id>.info there
    RecoveryInfo info;

    std::string documentFile() const { return folder + "/" + id + ".rtf"; }
    std::string infoFile() const { return folder + "/" + id + ".info"; }
};

// The folders of recovery copies of programs that did not end normally and
// are no longer running, locked for this program while the claim lives, so
// that a second program starting at the same moment leaves them alone.
//
// A copy whose info cannot be read, or that lacks one of its two files, is
// moved to the damaged folder as the claim is made (damaged() names it).
// Then read() each copy; one that cannot be read goes there with
// setAside(); discard() removes what is left once the copies are dealt with.
class RecoveryClaim {
  public:
    RecoveryClaim() = default;
    // `folders` and their locks, already taken; damaged copies go to `damagedFolder`.
    RecoveryClaim(std::vector<std::pair<std::string, InstanceLock>> folders,
                  std::string damagedFolder);
    RecoveryClaim(RecoveryClaim&&) = default;
    RecoveryClaim& operator=(RecoveryClaim&&) = default;

    const std::vector<RecoveryCopy>& copies() const { return copies_; }
    // The copies set aside as damaged: where each is kept now, after its
    // name when its info could be read.
    const std::vector<std::string>& damaged() const { return damaged_; }
    bool empty() const { return copies_.empty() && damaged_.empty(); }

    // The document of a copy; nothing, with the reason in `error`, when its
    // file cannot be read as a document.
    static std::optional<RichText> read(const RecoveryCopy& copy, std::string* error = nullptr);
    // Moves a copy that cannot be read to the damaged folder, and names it
    // in damaged().
    void setAside(const RecoveryCopy& copy);
    // Removes the claimed folders with the copies still in them, and lets
    // go of them.
    void discard();

  private:
    void collect(const std::string& folder);
    // Moves a file to the damaged folder; gives where it went (its old
    // place when the move failed: it is kept there, never deleted).
    std::string keepAside(const std::string& file);

    std::vector<std::pair<std::string, InstanceLock>> folders_;
    std::string damagedFolder_;
    std::vector<RecoveryCopy> copies_;
    std::vector<std::string> damaged_;
    std::set<std::string> kept_;  // folders that still hold a damaged copy
};

}  // namespace sorvel
