#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace sorvel {

namespace {

// Writes of at least this much start their way to the disk at once.
constexpr std::size_t kEarlyWriteBack = 256 << 10;

}  // namespace

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

bool AtomicFile::open(const std::string& path, FileError* error, bool durable) {
    abandon();
    path_ = path;
    durable_ = durable;
    temp_ = path + ".XXXXXX";
    fd_ = ::mkstemp(temp_.data());
    if (fd_ < 0) {
        temp_.clear();
        return fail(error, "cannot create a file beside " + path);
    }
    // Keep the permissions an existing file had; a new one gets the usual 0666 & ~umask.
    struct stat st {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    size_ = 0;
    return true;
}

bool AtomicFile::write(std::string_view bytes, FileError* error) {
    const std::size_t start = size_;
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(error, "cannot write " + path_);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        size_ += static_cast<std::size_t>(n);
    }
    // Start putting the bytes on the disk now, while the next are made, so
    // that the flush at the end has little left to wait for.
    if (durable_ && size_ - start >= kEarlyWriteBack) {
        ::sync_file_range(fd_, static_cast<off_t>(start), static_cast<off_t>(size_ - start),
                          SYNC_FILE_RANGE_WRITE);
    }
    return true;
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
    return true;
}

bool AtomicFile::commit(FileError* error) {
    bool ok = !durable_ || ::fsync(fd_) == 0 || fail(error, "cannot write " + path_);
    if (::close(fd_) != 0 && ok) {
        ok = fail(error, "cannot write " + path_);
    }
    fd_ = -1;
    if (ok && ::rename(temp_.c_str(), path_.c_str()) != 0) {
        ok = fail(error, "cannot replace " + path_);
    }
    if (ok) {
        temp_.clear();
    }
    abandon();
    return ok;
}

void AtomicFile::abandon() {
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
