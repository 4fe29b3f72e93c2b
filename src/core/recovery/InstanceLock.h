#pragma once

#include <string>

namespace sorvel {

// The lock by which a running program owns its folder of recovery copies.
//
// The lock file holds the owner's process id and is locked (flock) for as
// long as the owner runs; the system lets go of the lock when the process
// ends, however it ends, so a folder whose lock can be taken belongs to a
// program that is no longer running. Where the file system has no such locks,
// the process id stands in: a folder whose owner no longer exists is free.
// Each lock is its own open file, so two locks in one process exclude each
// other just as two processes do.
class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock of the file at `path` (made when missing) and writes
    // this process's id into it. False when a running program holds it, or
    // the file cannot be made.
    bool acquire(const std::string& path);
    bool held() const { return fd_ >= 0; }
    // Lets go of the lock; the file stays.
    void release();

  private:
    int fd_ = -1;
};

}  // namespace sorvel
