#pragma once

#include "common/TextFilter.h"

namespace sorvel {

// Shrinks every run of a character to one, as replacing two of it by one
// until no two are left does.
class RunCollapseFilter : public TextFilter {
  public:
    explicit RunCollapseFilter(char c) : c_(c) {}

    void push(std::string_view in, std::string& out) override;
    void finish(std::string&) override {}

  private:
    char c_;
    bool inRun_ = false;
};

}  // namespace sorvel
