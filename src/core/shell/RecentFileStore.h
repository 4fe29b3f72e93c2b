#pragma once

#include <string>
#include <vector>

namespace sorvel {

// Where the recent-file list is kept between runs of the program (the
// program's settings; in tests, memory).
class RecentFileStore {
  public:
    virtual ~RecentFileStore() = default;

    // The list as it was last stored, newest first.
    virtual std::vector<std::string> loadRecentFiles() = 0;
    virtual void storeRecentFiles(const std::vector<std::string>& files) = 0;
};

}  // namespace sorvel
