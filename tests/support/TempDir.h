#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace sorvel::testing {

// A fresh directory under the system's temporary folder, removed with
// everything in it (whatever its permissions) when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorvel-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::abort();
        }
        path_ = pattern;
        ::chmod(path_.c_str(), 0755);  // so that an unprivileged child can reach it
    }
    ~TempDir() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
            ::chmod(entry.path().c_str(), entry.is_directory() ? 0755 : 0644);
        }
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Runs `f` in a child process as the unprivileged user "nobody" when the
// tests run as root, so that file permissions apply to it; else runs it
// here. Gives what `f` returned (0 to 255), or -1 when the child failed.
inline int runUnprivileged(const std::function<int()>& f) {
    if (::geteuid() != 0) {
        return f();
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(255);
        }
        ::_exit(f() & 0xFF);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

}  // namespace sorvel::testing
