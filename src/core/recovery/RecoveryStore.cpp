#include "recovery/RecoveryStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/TextFiles.h"

namespace sorvel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLockFile = "lock";
constexpr std::string_view kRunPrefix = "run-";

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

RecoveryStore::RecoveryStore(std::string root) : root_(std::move(root)) {}

RecoveryStore::~RecoveryStore() = default;

std::string RecoveryStore::damagedFolder() const {
    return root_ + "/damaged";
}

bool RecoveryStore::open(std::string* error) {
    std::error_code ec;
    fs::create_directories(root_, ec);
    if (ec || !fs::is_directory(root_)) {
        if (error) {
            *error = "cannot make the folder " + root_ + (ec ? ": " + ec.message() : "");
        }
        return false;
    }
    // The copies hold the user's documents.
    ::chmod(root_.c_str(), 0700);
    // Made under a name that nobody claims, locked, and only then given the
    // name by which other programs find it, so that none can take it for
    // an abandoned folder before the lock is held.
    std::string making = root_ + "/.new-XXXXXX";
    if (!::mkdtemp(making.data())) {
        if (error) {
            *error = systemError("cannot make a folder in " + root_);
        }
        return false;
    }
    if (!lock_.acquire(making + "/" + std::string(kLockFile))) {
        if (error) {
            *error = systemError("cannot lock " + making);
        }
        fs::remove_all(making, ec);
        return false;
    }
    const std::string letters = making.substr(making.size() - 6);
    folder_ = root_ + "/" + std::string(kRunPrefix) + std::to_string(::getpid()) + "-" + letters;
    if (::rename(making.c_str(), folder_.c_str()) != 0) {
        if (error) {
            *error = systemError("cannot name the folder " + folder_);
        }
        lock_.release();
        fs::remove_all(making, ec);
        folder_.clear();
        return false;
    }
    return true;
}

bool RecoveryStore::writeCopy(std::string_view id, std::string_view document,
                              const RecoveryInfo& info, std::string* error) {
    if (!isOpen()) {
        if (error) {
            *error = "the recovery folder is not open";
        }
        return false;
    }
    const std::string base = folder_ + "/" + std::string(id);
    FileError failure;
    if (!writeFileAtomically(base + ".rtf", document, &failure) ||
        !writeFileAtomically(base + ".info", info.format(), &failure)) {
        if (error) {
            *error = failure.message;
        }
        return false;
    }
    return true;
}

void RecoveryStore::removeCopy(std::string_view id) {
    if (folder_.empty()) {
        return;
    }
    const std::string base = folder_ + "/" + std::string(id);
    // The info first: a document without its info is never taken for a
    // copy that can be restored.
    ::unlink((base + ".info").c_str());
    ::unlink((base + ".rtf").c_str());
}

void RecoveryStore::endNormally() {
    if (folder_.empty()) {
        return;
    }
    std::error_code ec;
    fs::remove_all(folder_, ec);
    lock_.release();
    folder_.clear();
}

RecoveryClaim RecoveryStore::claimAbandoned() const {
    std::vector<std::pair<std::string, InstanceLock>> claimed;
    std::error_code ec;
    for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string folder = it->path().string();
        if (!name.starts_with(kRunPrefix) || folder == folder_ || !it->is_directory(ec) ||
            it->is_symlink(ec)) {
            continue;
        }
        InstanceLock lock;
        if (lock.acquire(folder + "/" + std::string(kLockFile))) {
            claimed.emplace_back(folder, std::move(lock));
        }
    }
    return RecoveryClaim(std::move(claimed), damagedFolder());
}

}  // namespace sorvel
