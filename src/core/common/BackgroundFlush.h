#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace sorvel {

// Puts a file that is still being written on the disk, bit by bit, on a
// thread of its own: each flush takes what was written since the last one,
// so the flush that ends the save only waits for the last few bytes instead
// of the whole file. On a disk whose cache flush costs time in proportion
// to what it holds, that wait is most of a large save.
//
// The file descriptor must stay open until stop() returns.
class BackgroundFlush {
  public:
    explicit BackgroundFlush(int fd);
    BackgroundFlush(const BackgroundFlush&) = delete;
    BackgroundFlush& operator=(const BackgroundFlush&) = delete;
    ~BackgroundFlush();

    // More bytes were written: flush them when the last flush is done.
    void nudge();
    // Waits for the flush under way, if any, and ends the thread. Returns
    // the error number of the first flush that failed, or 0. A failure
    // must not be lost: the kernel reports a write error of a file to only
    // one of the flushes that follow it, which may have been one of these.
    int stop();

  private:
    void run();

    int fd_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool pending_ = false;
    bool stopping_ = false;
    int error_ = 0;
    std::thread thread_;
};

}  // namespace sorvel
