#include "common/TextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, FileError* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot open " + path, true);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        setError(error, "cannot read " + path, true);
        return std::nullopt;
    }
    std::string data;
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
        data.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        setError(error, "cannot create a file beside " + path);
        return false;
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
    ::fchmod(fd, mode);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
    }
    if (!ok) {
        setError(error, "cannot write " + path);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        setError(error, "cannot write " + path);
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        setError(error, "cannot replace " + path);
    }
    if (!ok) {
        ::unlink(temp.c_str());
    }
    return ok;
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace sorvel
