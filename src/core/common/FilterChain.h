#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/TextFilter.h"

namespace sorvel {

// Filters run one after another, each over the output of the one before, as
// the steps of a whole-text conversion run one after another.
class FilterChain : public TextFilter {
  public:
    FilterChain() = default;
    explicit FilterChain(std::vector<std::unique_ptr<TextFilter>> filters);

    void add(std::unique_ptr<TextFilter> filter);
    bool empty() const { return filters_.empty(); }

    void push(std::string_view in, std::string& out) override;
    void finish(std::string& out) override;

  private:
    void run(std::string_view in, std::string& out, bool last);

    std::vector<std::unique_ptr<TextFilter>> filters_;
    std::string a_;
    std::string b_;
};

}  // namespace sorvel
