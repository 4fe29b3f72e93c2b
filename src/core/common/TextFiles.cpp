#include "common/TextFiles.h"

#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    AtomicFile file;
    return file.open(path, error) && file.write(bytes, error) && file.commit(error);
}

}  // namespace sorvel
