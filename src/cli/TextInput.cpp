#include "cli/TextInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/TextFiles.h"

namespace sorvel {

std::unique_ptr<TextInput> TextInput::openFile(const std::string& path, std::string& error) {
    // What is not a file is refused before it is read, as everywhere; a
    // file of any size goes through, as it is never held whole.
    FileError e;
    const int fd = openInputFile(path, &e, UINT64_MAX);
    if (fd < 0) {
        error = e.message;
        return nullptr;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    std::unique_ptr<TextInput> input(new TextInput());
    input->fd_ = fd;
    input->name_ = path;
    return input;
}

std::unique_ptr<TextInput> TextInput::fromStream(std::istream& in, std::string name) {
    std::unique_ptr<TextInput> input(new TextInput());
    input->stream_ = &in;
    input->name_ = std::move(name);
    return input;
}

TextInput::~TextInput() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (aheadFile_) {
        std::fclose(aheadFile_);
    }
}

std::size_t TextInput::readSource(char* into, std::size_t size) {
    if (!error_.empty()) {
        return 0;
    }
    if (stream_) {
        const std::streamsize n = stream_->rdbuf()->sgetn(into, static_cast<std::streamsize>(size));
        if (n <= 0 && stream_->bad()) {
            error_ = "cannot read " + name_;
        }
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    // A pipe gives a little at a time: the piece is filled all the same.
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd_, into + got, size - got);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error_ = "cannot read " + name_ + ": " + std::strerror(errno);
            return 0;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

bool TextInput::keepAhead(std::string_view bytes) {
    if (!aheadFile_ && ahead_.size() + bytes.size() <= kAheadInMemory) {
        ahead_.append(bytes);
        return true;
    }
    if (!aheadFile_) {
        aheadFile_ = std::tmpfile();
        if (!aheadFile_) {
            error_ = "cannot read " + name_ + ": no room for a temporary file";
            return false;
        }
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), aheadFile_) != bytes.size()) {
        error_ = "cannot read " + name_ + ": cannot write a temporary file";
        return false;
    }
    return true;
}

void TextInput::lookAhead(const std::function<bool(std::string_view)>& wantsMore) {
    std::string piece;
    for (;;) {
        piece.resize(kPieceSize);
        const std::size_t n = readSource(piece.data(), piece.size());
        if (n == 0) {
            return;
        }
        piece.resize(n);
        if (!keepAhead(piece) || !wantsMore(piece)) {
            return;
        }
    }
}

bool TextInput::readAhead(std::string& piece) {
    if (aheadDone_ < ahead_.size()) {
        const std::size_t n = std::min(kPieceSize, ahead_.size() - aheadDone_);
        piece.assign(ahead_, aheadDone_, n);
        aheadDone_ += n;
        if (aheadDone_ == ahead_.size()) {
            ahead_ = std::string();
            aheadDone_ = 0;
        }
        return true;
    }
    if (!aheadFile_) {
        return false;
    }
    if (!aheadFileRewound_) {
        std::rewind(aheadFile_);
        aheadFileRewound_ = true;
    }
    piece.resize(kPieceSize);
    const std::size_t n = std::fread(piece.data(), 1, piece.size(), aheadFile_);
    if (n == 0) {
        std::fclose(aheadFile_);
        aheadFile_ = nullptr;
        return false;
    }
    piece.resize(n);
    return true;
}

bool TextInput::read(std::string& piece) {
    if (readAhead(piece)) {
        return true;
    }
    piece.resize(kPieceSize);
    const std::size_t n = readSource(piece.data(), piece.size());
    piece.resize(n);
    return n > 0;
}

std::optional<std::string> TextInput::readAll() {
    std::string all;
    std::string piece;
    while (read(piece)) {
        all += piece;
    }
    if (failed()) {
        return std::nullopt;
    }
    return all;
}

}  // namespace sorvel
