#pragma once

#include <string>

#include "common/TextFilter.h"

namespace sorvel {

// Line ends of text files: CR LF, a lone LF and a lone CR each become one
// paragraph break, CR LF. A CR at the end of a piece waits for the next one,
// since an LF there makes it one break with it.
class LineBreakFilter : public TextFilter {
  public:
    void push(std::string_view in, std::string& out) override;
    void finish(std::string& out) override;

  private:
    bool pendingCr_ = false;
};

}  // namespace sorvel
