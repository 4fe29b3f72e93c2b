#include "common/TextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

namespace sorvel {

namespace {

void setError(FileError* error, std::string_view what, bool openFailed = false) {
    const int number = errno;
    if (error) {
        error->message = std::string(what) + ": " + std::strerror(number);
        error->errorNumber = number;
        error->openFailed = openFailed;
    }
}

// A refusal: a message of its own, no system error behind it.
void refuse(FileError* error, FileError::Refusal why, const std::string& path) {
    if (!error) {
        return;
    }
    error->refused = why;
    error->openFailed = true;
    if (why == FileError::Refusal::TooLarge) {
        error->errorNumber = EFBIG;
        error->message = "cannot read " + path + ": larger than " +
                         std::to_string(kMaxFileBytes >> 20) +
                         " MB, more than any document or table can be";
    } else {
        error->errorNumber = EINVAL;
        error->message = "cannot read " + path + ": not a file (a folder, a device or a pipe)";
    }
}

// Whether a file of this kind and size may be read whole; refuses it if not.
bool readable(const struct stat& st, const std::string& path, FileError* error) {
    if (!S_ISREG(st.st_mode)) {
        refuse(error, FileError::Refusal::NotRegularFile, path);
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) {
        refuse(error, FileError::Refusal::TooLarge, path);
        return false;
    }
    return true;
}

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
// changing it for every thread.
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
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
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

std::optional<std::string> readWholeFile(const std::string& path, FileError* error) {
    // Looked at before it is opened: opening some devices does something,
    // and opening a pipe waits for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !readable(st, path, error)) {
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setError(error, "cannot open " + path, true);
        return std::nullopt;
    }
    // And again what was opened, which may have been put there meanwhile.
    if (::fstat(fd, &st) != 0 || !readable(st, path, error)) {
        if (error && error->refused == FileError::Refusal::None) {
            setError(error, "cannot read " + path, true);
        }
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            setError(error, "cannot read " + path);
            ::close(fd);
            return std::nullopt;
        }
        if (data.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
            // It grew while it was read.
            refuse(error, FileError::Refusal::TooLarge, path);
            ::close(fd);
            return std::nullopt;
        }
        data.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error) {
    const std::optional<std::string> found = linkTarget(path);
    if (!found) {
        setError(error, "cannot follow the link " + path);
        return false;
    }
    const std::string& target = *found;

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode)) {
            errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
            setError(error, "cannot write " + path + ", which is not a regular file");
            return false;
        }
        // A file marked read-only was protected on purpose, also from a user
        // whom the system would let write it.
        if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS)) {
            errno = EACCES;
            setError(error, "cannot write " + path + ", which is read-only");
            return false;
        }
    }

    std::string temp;
    const int fd = createBeside(target, exists ? 0600 : 0666, temp);
    if (fd < 0) {
        setError(error, "cannot create a file beside " + target);
        return false;
    }
    if (exists) {
        // The owner is kept where that is allowed (only the superuser may),
        // the group where the user belongs to it; then the permissions, which
        // a change of owner may have cleared bits of.
        if (::fchown(fd, ::geteuid() == 0 ? st.st_uid : static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Not allowed: the new file keeps the user's own group.
        }
        ::fchmod(fd, st.st_mode & 07777);
    }

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) {
        setError(error, "cannot write " + path);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        setError(error, "cannot write " + path);
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        setError(error, "cannot replace " + path);
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    if (!syncFolder(folderOf(target))) {
        setError(error, "cannot sync the folder of " + path);
        return false;
    }
    return true;
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace sorvel
