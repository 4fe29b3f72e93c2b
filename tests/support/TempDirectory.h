#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvel::testing {

// A fresh directory under the system's temporary directory that becomes the
// process's working directory while the object lives; the previous working
// directory comes back and the directory is removed with everything in it
// when it is destroyed. Tests of files that live in the working directory
// use it, so that they never write into the source tree.
class TempDirectory {
  public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The full path of `name` inside the directory.
    std::string file(std::string_view name) const;
    // Writes `bytes` to `name` inside the directory.
    void write(std::string_view name, std::string_view bytes) const;
    // The bytes of `name` inside the directory; empty when it cannot be read.
    std::string read(std::string_view name) const;

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace sorvel::testing
