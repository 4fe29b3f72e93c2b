#include "common/FilterChain.h"

namespace sorvel {

FilterChain::FilterChain(std::vector<std::unique_ptr<TextFilter>> filters)
    : filters_(std::move(filters)) {}

void FilterChain::add(std::unique_ptr<TextFilter> filter) {
    filters_.push_back(std::move(filter));
}

void FilterChain::run(std::string_view in, std::string& out, bool last) {
    if (filters_.empty()) {
        out.append(in);
        return;
    }
    // Two buffers take turns as the input and the output of a step; the last
    // step writes straight into `out`. At the end each step's held-back rest
    // goes after what it was given, and through the steps after it.
    std::string* from = nullptr;
    std::string* to = &a_;
    for (std::size_t k = 0; k < filters_.size(); ++k) {
        std::string& target = k + 1 == filters_.size() ? out : *to;
        if (&target != &out) {
            target.clear();
        }
        TextFilter& f = *filters_[k];
        f.push(from ? std::string_view(*from) : in, target);
        if (last) {
            f.finish(target);
        }
        from = &target;
        to = to == &a_ ? &b_ : &a_;
    }
}

void FilterChain::push(std::string_view in, std::string& out) {
    run(in, out, false);
}

void FilterChain::finish(std::string& out) {
    run({}, out, true);
}

}  // namespace sorvel
