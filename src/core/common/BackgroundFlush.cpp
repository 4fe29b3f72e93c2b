#include "common/BackgroundFlush.h"

#include <unistd.h>

#include <cerrno>

namespace sorvel {

BackgroundFlush::BackgroundFlush(int fd) : fd_(fd), thread_([this] { run(); }) {}

BackgroundFlush::~BackgroundFlush() {
    stop();
}

void BackgroundFlush::nudge() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        pending_ = true;
    }
    wake_.notify_one();
}

int BackgroundFlush::stop() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
    return error_;
}

void BackgroundFlush::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        // What is left when the save ends is flushed by the save itself.
        if (stopping_) {
            return;
        }
        pending_ = false;
        lock.unlock();
        const int result = ::fdatasync(fd_);
        const int number = errno;
        lock.lock();
        if (result != 0 && error_ == 0 && number != EINTR) {
            error_ = number;
        }
    }
}

}  // namespace sorvel
