#include "common/TextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/AtomicFile.h"
#include "common/HugePages.h"

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

// Whether a file of this kind and size may be read; refuses it if not.
bool readable(const struct stat& st, const std::string& path, std::uint64_t limit,
              FileError* error) {
    if (!S_ISREG(st.st_mode)) {
        refuse(error, FileError::Refusal::NotRegularFile, path);
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > limit) {
        refuse(error, FileError::Refusal::TooLarge, path);
        return false;
    }
    return true;
}

}  // namespace

int openInputFile(const std::string& path, FileError* error, std::uint64_t limit) {
    // Looked at before it is opened: opening some devices does something,
    // and opening a pipe waits for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !readable(st, path, limit, error)) {
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setError(error, "cannot open " + path, true);
        return -1;
    }
    // And again what was opened, which may have been put there meanwhile.
    if (::fstat(fd, &st) != 0 || !readable(st, path, limit, error)) {
        if (error && error->refused == FileError::Refusal::None) {
            setError(error, "cannot read " + path, true);
        }
        ::close(fd);
        return -1;
    }
    // A regular file never blocks; reads are plain ones from here on.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> readWholeFile(const std::string& path, FileError* error) {
    const int fd = openInputFile(path, error);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    ::fstat(fd, &st);
    // Straight into a string of the file's size; one byte more shows the end
    // without a second read of a buffer, and a file that grows while it is
    // read is read on, up to the limit.
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size) + 1);
    adviseHugePages(data.data(), data.capacity());
    data.resize(data.capacity());
    std::size_t size = 0;
    for (;;) {
        if (size == data.size()) {
            if (size > kMaxFileBytes) {
                refuse(error, FileError::Refusal::TooLarge, path);
                ::close(fd);
                return std::nullopt;
            }
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
    if (size > kMaxFileBytes) {
        refuse(error, FileError::Refusal::TooLarge, path);
        return std::nullopt;
    }
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
