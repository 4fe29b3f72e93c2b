#pragma once

#include <string>

#include "common/TextFilter.h"

namespace sorvel {

// Passes text on as it is and adds a fixed text after its end.
class AppendFilter : public TextFilter {
  public:
    explicit AppendFilter(std::string tail) : tail_(std::move(tail)) {}

    void push(std::string_view in, std::string& out) override { out.append(in); }
    void finish(std::string& out) override { out += tail_; }

  private:
    std::string tail_;
};

}  // namespace sorvel
