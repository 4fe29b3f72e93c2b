#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "editor/ViewContext.h"
#include "pali/CodePair.h"

namespace sorvel {

// Keystroke transliteration, run on every key release in an editor view:
// with a mode on and nothing selected, a code of the table in force that ends
// at the caret is replaced by its character; then the release is handed on.
void handleKeyRelease(ViewContext& view);

// The code tables that a key release with nothing selected runs, in order:
// the user table where it is on and the caret's font is its font, then the
// Pali table of the caret's font where Pali entry is on. At most two, held
// in place, since every key release asks.
struct TablesInForce {
    std::array<std::span<const CodePair>, 2> tables;
    std::size_t count = 0;

    std::size_t size() const { return count; }
    const std::span<const CodePair>* begin() const { return tables.data(); }
    const std::span<const CodePair>* end() const { return tables.data() + count; }
};
TablesInForce tablesInForce(const ViewContext& view);

// One pass over a code table (read up to its end pair, and never past its last slot) at the caret:
// each pair whose code ends at the caret is replaced. After a replacement the caret and the text
// before it are read again, so that a later pair is tested against the text as it now is. Only as
// many characters before the caret as the longest code are read.
void runTransliterationPass(ViewContext& view, std::span<const CodePair> table);

}  // namespace sorvel
