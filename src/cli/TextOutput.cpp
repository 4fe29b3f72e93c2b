#include "cli/TextOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sorvel {

std::unique_ptr<TextOutput> TextOutput::toFile(const std::string& path, std::string& error) {
    std::unique_ptr<TextOutput> output(new TextOutput());
    output->file_ = std::make_unique<AtomicFile>();
    FileError e;
    // Written as every file is: on the disk, and its name too, before the
    // command says it is done.
    if (!output->file_->open(path, &e)) {
        error = e.message;
        return nullptr;
    }
    return output;
}

std::unique_ptr<TextOutput> TextOutput::toStream(std::ostream& out, bool spooled) {
    std::unique_ptr<TextOutput> output(new TextOutput());
    output->stream_ = &out;
    if (spooled) {
        output->spool_ = std::tmpfile();
        if (!output->spool_) {
            output->error_ = "cannot create a temporary file for standard output";
        }
    }
    return output;
}

std::unique_ptr<TextOutput> TextOutput::temporary(std::string& error) {
    std::unique_ptr<TextOutput> output(new TextOutput());
    output->spool_ = std::tmpfile();
    if (!output->spool_) {
        error = "cannot create a temporary file";
        return nullptr;
    }
    return output;
}

bool TextOutput::copyTo(TextOutput& target, TextFilter& filter) {
    if (!spool_ || std::fflush(spool_) != 0) {
        error_ = "cannot read back a temporary file";
        return false;
    }
    std::rewind(spool_);
    std::string piece(1 << 20, '\0');
    std::string out;
    for (;;) {
        const std::size_t n = std::fread(piece.data(), 1, piece.size(), spool_);
        if (n == 0) {
            break;
        }
        out.clear();
        filter.push(std::string_view(piece).substr(0, n), out);
        if (!target.write(out)) {
            return false;
        }
    }
    out.clear();
    filter.finish(out);
    return target.write(out);
}

TextOutput::~TextOutput() {
    abandon();
}

bool TextOutput::streamFailed() {
    error_ = "cannot write standard output";
    return false;
}

bool TextOutput::write(std::string_view bytes) {
    if (!error_.empty()) {
        return false;
    }
    size_ += bytes.size();
    if (file_) {
        FileError e;
        if (!file_->write(bytes, &e)) {
            error_ = e.message;
            return false;
        }
        return true;
    }
    if (spool_) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), spool_) != bytes.size()) {
            error_ = std::string("cannot write a temporary file: ") + std::strerror(errno);
            return false;
        }
        return true;
    }
    stream_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return stream_->good() || streamFailed();
}

bool TextOutput::takeBack(std::size_t n, std::string& into) {
    n = std::min(n, size_);
    if (file_) {
        FileError e;
        if (!file_->takeBack(n, into, &e)) {
            error_ = e.message;
            return false;
        }
    } else if (spool_) {
        const std::size_t at = size_ - n;
        into.resize(n);
        if (std::fflush(spool_) != 0 || std::fseek(spool_, static_cast<long>(at), SEEK_SET) != 0 ||
            std::fread(into.data(), 1, n, spool_) != n ||
            ::ftruncate(::fileno(spool_), static_cast<off_t>(at)) != 0 ||
            std::fseek(spool_, static_cast<long>(at), SEEK_SET) != 0) {
            error_ = std::string("cannot read back a temporary file: ") + std::strerror(errno);
            return false;
        }
    } else {
        error_ = "standard output cannot be taken back";
        return false;
    }
    size_ -= n;
    return true;
}

bool TextOutput::commit() {
    if (!error_.empty()) {
        return false;
    }
    if (file_) {
        FileError e;
        const bool ok = file_->commit(&e);
        file_.reset();
        if (!ok) {
            error_ = e.message;
        }
        return ok;
    }
    if (spool_) {
        std::rewind(spool_);
        std::string piece(1 << 20, '\0');
        for (;;) {
            const std::size_t n = std::fread(piece.data(), 1, piece.size(), spool_);
            if (n == 0) {
                break;
            }
            stream_->write(piece.data(), static_cast<std::streamsize>(n));
        }
        std::fclose(spool_);
        spool_ = nullptr;
    }
    if (!stream_) {
        return true;
    }
    stream_->flush();
    return stream_->good() || streamFailed();
}

void TextOutput::abandon() {
    if (file_) {
        file_->abandon();
        file_.reset();
    }
    if (spool_) {
        std::fclose(spool_);
        spool_ = nullptr;
    }
}

}  // namespace sorvel
