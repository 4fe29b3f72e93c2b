#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace sorvel {

// One thread of its own that runs the tasks given to it, one after another
// in the order given, so that the program's thread never waits for a disk.
// A task that throws is dropped; the ones after it still run.
class BackgroundWriter {
  public:
    BackgroundWriter();
    // Runs what is still waiting, then ends the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void post(std::function<void()> task);
    // Waits until every task given so far has run.
    void wait();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace sorvel
