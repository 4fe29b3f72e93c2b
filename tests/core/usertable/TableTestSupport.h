#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/TransliterationState.h"

namespace sorvel::testing {

// The entries of a user table, up to its end pair.
inline std::vector<CodePair> tableEntries(const TransliterationState& state) {
    std::vector<CodePair> out;
    for (const CodePair& p : state.userTable) {
        if (p.code == kEndCode) {
            break;
        }
        out.push_back(p);
    }
    return out;
}

// Lines joined with CR LF after each.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

}  // namespace sorvel::testing
