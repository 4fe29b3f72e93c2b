#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// The File menu's list of recently opened or saved documents: the newest on
// top, each file once, at most a given number.
class RecentFileList {
  public:
    static constexpr std::size_t kShownLength = 30;

    explicit RecentFileList(std::size_t capacity);

    // Puts `path` on top; an entry for the same file moves there, and the
    // oldest entry goes when the list is full.
    void add(const std::string& path);
    void remove(std::size_t index);
    // Replaces the list by `paths` (newest first), keeping the rules of add.
    void assign(const std::vector<std::string>& paths);
    const std::vector<std::string>& files() const { return files_; }
    std::size_t capacity() const { return capacity_; }

    // The menu row of entry `index`: its number with an access key ("&1",
    // ..., "1&0", ...) and the path shortened to 30 characters, with every
    // "&" of the path doubled so that it shows.
    std::string menuLabel(std::size_t index) const;

    // A path cut to at most `length` characters: the start of the path,
    // "...", and as many of its last folders as fit before the file name;
    // the file name alone when not even that fits.
    static std::string abbreviate(std::string_view path, std::size_t length = kShownLength);

  private:
    std::size_t capacity_;
    std::vector<std::string> files_;
};

}  // namespace sorvel
