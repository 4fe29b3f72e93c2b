#include "common/TextFiles.h"

#include "common/AtomicFile.h"
#include "common/HugePages.h"

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
    // Straight into a string of the file's size (a file that grows while it
    // is read is read to its end all the same).
    std::string data;
    data.reserve(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) + 1 : 1 << 16);
    adviseHugePages(data.data(), data.capacity());
    data.resize(data.capacity());
    std::size_t size = 0;
    for (;;) {
        if (size == data.size()) {
            data.resize(data.size() * 2);
        }
        const ssize_t n = ::read(fd, data.data() + size, data.size() - size);
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
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(size);
    return data;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, FileError* error) {
    AtomicFile file;
    return file.open(path, error) && file.write(bytes, error) && file.commit(error);
}

std::string absolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace sorvel
