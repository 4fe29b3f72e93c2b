#pragma once

#include <array>
#include <string>

#include "pali/CodePair.h"
#include "text/FontDescription.h"

namespace sorvel {

inline constexpr int kUserTableSize = 500;

using UserTable = std::array<CodePair, kUserTableSize>;

// The process-wide transliteration state, shared by every document and view:
// the two mode switches, the loaded user table and the fonts that the modes
// put at the caret. Nothing of it is stored in documents.
struct TransliterationState {
    bool paliEntryOn = false;
    bool userTableOn = false;
    // The loaded user table's font name; empty while no table is loaded.
    std::string userTableFont;
    // The user's pairs in file order, closed by the end pair.
    UserTable userTable = initialUserTable();
    FontDescription userTableFormat;
    // The default Pali font; an empty face name means "not chosen yet".
    FontDescription defaultPaliFormat;
    // The ordinary, non-transliterating font.
    FontDescription plainFormat;
    // The folder of the program's settings, where the file that remembers
    // the default Pali font lives; the program sets it at start. Empty: the
    // working directory.
    std::string settingsFolder;

    static UserTable initialUserTable() {
        UserTable table;
        table[0] = endPair();
        return table;
    }

    // The one instance of the running program. Logic takes the state as a
    // parameter, so that tests can give each case a state of its own.
    static TransliterationState& instance() {
        static TransliterationState state;
        return state;
    }
};

}  // namespace sorvel
