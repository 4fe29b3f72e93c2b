#pragma once

#include <string>
#include <string_view>

namespace sorvel {

// A conversion of text that is given its input piece by piece and hands on
// its output as it goes, so that a text of any size passes through a few
// buffers. Whatever the pieces, the output is the same as for the whole
// input given at once: a filter holds back the end of a piece that the next
// piece could still change (half of a CR LF, the start of a code) until it
// knows.
class TextFilter {
  public:
    virtual ~TextFilter() = default;

    // Takes the next piece of the input and appends to `out` the output that
    // is now certain.
    virtual void push(std::string_view in, std::string& out) = 0;
    // The input has ended: appends the rest of the output.
    virtual void finish(std::string& out) = 0;

    // The whole output for `text` given in one piece.
    std::string convert(std::string_view text) {
        std::string out;
        push(text, out);
        finish(out);
        return out;
    }
};

}  // namespace sorvel
