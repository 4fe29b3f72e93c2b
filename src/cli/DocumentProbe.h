#pragma once

#include <string>
#include <string_view>

namespace sorvel {

// Tells from the first bytes of an input whether it is a document (a
// compound file, or RTF after any number of blanks and line ends) or text.
// It sees the input piece by piece and keeps only a few bytes: a run of
// blanks before the first other byte is kept as one.
class DocumentProbe {
  public:
    // Looks at the next piece; true while more is needed to decide.
    bool wantsMore(std::string_view piece);
    // What the bytes seen say; at the end of the input, whatever it was.
    bool isDocument() const;

  private:
    // Where the first byte after the byte-order mark that is no blank is in
    // head_, or npos while that is not known.
    std::size_t firstOther() const;

    std::string head_;
    std::size_t seen_ = 0;
    bool squeezed_ = false;
};

}  // namespace sorvel
