#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pali/CodePair.h"

namespace sorvel {

// Text typed key by key into an empty document, each key release running
// the code tables in force as handleKeyRelease does, with the caret always
// at the end: the same text as the replay in a document, held in bounded
// memory. Only the end of the text ever changes, so all but its last part
// goes on to a store as typing goes on; where the tables can eat further back
// than that, the store gives bytes back.
class TypingReplay {
  public:
    // Where the start of the text goes.
    class Store {
      public:
        virtual ~Store() = default;
        virtual bool put(std::string_view bytes) = 0;
        // Takes the last `n` bytes put (fewer when there are not as many)
        // back out of the store into `into`.
        virtual bool takeBack(std::size_t n, std::string& into) = 0;
        virtual std::size_t size() const = 0;
    };

    // `keep`: how much of the end of the text stays in memory at the least
    // (more than the longest code); the start goes to the store once the
    // end has grown to 64 times that.
    TypingReplay(std::span<const std::span<const CodePair>> tables, Store& store,
                 std::size_t keep = 1 << 16);

    // Whether these tables can take back more than their longest code: only
    // where a replacement is empty or holds a byte that some code holds,
    // since otherwise each replacement closes the text before it. Where they
    // cannot, the store never has to give anything back.
    static bool reachesBack(std::span<const std::span<const CodePair>> tables);

    // Types `text`, whose paragraph breaks are CR LF; a CR at its end waits
    // for its LF. False when the store failed.
    bool type(std::string_view text);
    // Typing is over: the rest of the text goes to the store.
    bool finish();

  private:
    struct Table {
        std::vector<CodePair> pairs;   // before the end pair, replacements' breaks as CR LF
        std::array<bool, 256> ends{};  // the last bytes of the codes
        bool anyEnd = false;           // an empty code, which ends anything
    };

    bool typeKey(std::string_view key);
    bool runTable(const Table& table);
    // Makes sure the last `n` bytes of the text are in memory.
    bool haveLast(std::size_t n);

    std::vector<Table> tables_;
    Store& store_;
    std::size_t keep_;
    std::string tail_;  // the end of the text; the store holds what comes before
    bool pendingCr_ = false;
};

}  // namespace sorvel
