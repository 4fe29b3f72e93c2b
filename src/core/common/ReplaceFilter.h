#pragma once

#include <string>

#include "common/TextFilter.h"

namespace sorvel {

// Replaces every occurrence of one string by another, as one whole-text
// replacement does (left to right, matches not overlapping, what it inserts
// not scanned again), on text that comes in pieces: the end of a piece that
// could be the start of a match waits for the next piece.
class ReplaceFilter : public TextFilter {
  public:
    ReplaceFilter(std::string from, std::string to);

    void push(std::string_view in, std::string& out) override;
    void finish(std::string& out) override;

  private:
    void scan(std::string_view text, std::string& out);

    std::string from_;
    std::string to_;
    std::string pending_;
};

}  // namespace sorvel
