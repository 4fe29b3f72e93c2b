#include "common/AtomicFile.h"

#include "common/BackgroundFlush.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

namespace sorvel {

namespace {

// Writes of at least this much start their way to the disk at once.
constexpr std::size_t kEarlyWriteBack = 256 << 10;
// A file that grows past this is flushed as it is written; a smaller one
// is not worth a thread.
constexpr std::size_t kBackgroundFlushFrom = 4 << 20;

// The file that a write to `path` lands in: `path` itself, or the end of the
// chain of symbolic links that starts there (which need not exist yet).
std::optional<std::string> linkTarget(const std::string& path) {
    namespace fs = std::filesystem;
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                return current;  // a new file, or a link that points to one
            }
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) {
            return current;
        }
        // Links under /proc say nothing of their length.
        std::vector<char> buffer(
            std::max<std::size_t>(static_cast<std::size_t>(st.st_size), PATH_MAX) + 1);
        const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (n < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(n) >= buffer.size()) {
            errno = ENAMETOOLONG;  // the link changed while it was read
            return std::nullopt;
        }
        const fs::path target(std::string(buffer.data(), static_cast<std::size_t>(n)));
        current = target.is_absolute() ? target.string()
                                       : (fs::path(current).parent_path() / target).string();
    }
    errno = ELOOP;
    return std::nullopt;
}

std::string folderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// Creates a new, empty file with a name of its own beside `target`. A new
// file is created with the usual 0666, which the umask (or a default ACL of
// the folder) narrows; the umask is not read, as that cannot be done without
// changing it for every thread (recovery copies are written on another one).
int createBeside(const std::string& target, mode_t mode, std::string& name) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".";
        for (int i = 0; i < 6; ++i) {
            name += kLetters[pick(random)];
        }
        // Read and write: bytes written may be taken back out.
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Makes the rename of a file in `folder` durable. Folders that cannot be
// synced (some file systems refuse) are no failure; an I/O error is.
bool syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    const bool ok = ::fsync(fd) == 0 || errno != EIO;
    ::close(fd);
    return ok;
}

}  // namespace

AtomicFile::AtomicFile() = default;

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::fail(FileError* error, std::string_view what) {
    const int number = errno;
    if (error) {
        error->message = std::string(what) + ": " + std::strerror(number);
        error->errorNumber = number;
        error->openFailed = false;
    }
    return false;
}

bool AtomicFile::open(const std::string& path, FileError* error) {
    abandon();
    path_ = path;
    size_ = 0;
    flushedTo_ = 0;
    const std::optional<std::string> found = linkTarget(path);
    if (!found) {
        return fail(error, "cannot follow the link " + path);
    }
    target_ = *found;

    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode)) {
            errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
            return fail(error, "cannot write " + path + ", which is not a regular file");
        }
        // A file marked read-only was protected on purpose, also from a user
        // whom the system would let write it.
        if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS)) {
            errno = EACCES;
            return fail(error, "cannot write " + path + ", which is read-only");
        }
    }

    fd_ = createBeside(target_, exists ? 0600 : 0666, temp_);
    if (fd_ < 0) {
        temp_.clear();
        return fail(error, "cannot create a file beside " + target_);
    }
    if (exists) {
        // The owner is kept where that is allowed (only the superuser may),
        // the group where the user belongs to it; then the permissions, which
        // a change of owner may have cleared bits of.
        if (::fchown(fd_, ::geteuid() == 0 ? st.st_uid : static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Not allowed: the new file keeps the user's own group.
        }
        ::fchmod(fd_, st.st_mode & 07777);
    }
    return true;
}

bool AtomicFile::write(std::string_view bytes, FileError* error) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        // A large buffer goes in pieces, each on its way to the disk while
        // the next is written.
        const ssize_t n = ::write(fd_, p, std::min(left, kEarlyWriteBack * 4));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(error, "cannot write " + path_);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        size_ += static_cast<std::size_t>(n);
        if (size_ - flushedTo_ >= kEarlyWriteBack) {
            flushEarly();
        }
    }
    return true;
}

// Starts putting the bytes written since the last time on the disk now,
// while the next are made, so that the flush at the end has little left to
// wait for.
void AtomicFile::flushEarly() {
    ::sync_file_range(fd_, static_cast<off_t>(flushedTo_), static_cast<off_t>(size_ - flushedTo_),
                      SYNC_FILE_RANGE_WRITE);
    flushedTo_ = size_;
    if (!flush_ && size_ >= kBackgroundFlushFrom) {
        try {
            flush_ = std::make_unique<BackgroundFlush>(fd_);
        } catch (const std::system_error&) {
            // No thread to be had: the flush at the end does it all.
        }
    }
    if (flush_) {
        flush_->nudge();
    }
}

bool AtomicFile::takeBack(std::size_t n, std::string& into, FileError* error) {
    n = std::min(n, size_);
    const std::size_t at = size_ - n;
    into.resize(n);
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_, into.data() + got, n - got, static_cast<off_t>(at + got));
        if (r <= 0) {
            if (r < 0 && errno == EINTR) {
                continue;
            }
            return fail(error, "cannot read back " + temp_);
        }
        got += static_cast<std::size_t>(r);
    }
    if (::ftruncate(fd_, static_cast<off_t>(at)) != 0 ||
        ::lseek(fd_, static_cast<off_t>(at), SEEK_SET) < 0) {
        return fail(error, "cannot write " + path_);
    }
    size_ = at;
    flushedTo_ = std::min(flushedTo_, size_);
    return true;
}

bool AtomicFile::commit(FileError* error) {
    bool ok = true;
    if (flush_) {
        errno = flush_->stop();
        flush_.reset();
        ok = errno == 0 || fail(error, "cannot write " + path_);
    }
    ok = ok && (::fsync(fd_) == 0 || fail(error, "cannot write " + path_));
    if (::close(fd_) != 0 && ok) {
        ok = fail(error, "cannot write " + path_);
    }
    fd_ = -1;
    if (ok && ::rename(temp_.c_str(), target_.c_str()) != 0) {
        ok = fail(error, "cannot replace " + path_);
    }
    if (ok) {
        temp_.clear();
    }
    abandon();
    if (ok && !syncFolder(folderOf(target_))) {
        ok = fail(error, "cannot sync the folder of " + path_);
    }
    return ok;
}

void AtomicFile::abandon() {
    flush_.reset();  // before the file it flushes is closed
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace sorvel
