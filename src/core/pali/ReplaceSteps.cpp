#include "pali/ReplaceSteps.h"

#include <stdexcept>

#include "common/ReplaceFilter.h"
#include "common/RunCollapseFilter.h"
#include "pali/TextReplace.h"
#include "pali/TracedText.h"

namespace sorvel {

namespace {

template <class Text>
void applyAll(Text& text, const ReplaceSteps& steps) {
    for (const ReplaceStep& step : steps) {
        if (step.untilNone) {
            while (replaceAll(text, step.from, step.to) > 0) {
            }
        } else {
            replaceAll(text, step.from, step.to);
        }
    }
}

}  // namespace

void applySteps(std::string& text, const ReplaceSteps& steps) {
    applyAll(text, steps);
}

void applySteps(TracedText& text, const ReplaceSteps& steps) {
    applyAll(text, steps);
}

std::unique_ptr<FilterChain> stepsFilter(const ReplaceSteps& steps) {
    auto chain = std::make_unique<FilterChain>();
    for (const ReplaceStep& step : steps) {
        if (!step.untilNone) {
            chain->add(std::make_unique<ReplaceFilter>(step.from, step.to));
            continue;
        }
        // Two of a character by one, until none are left: every run of it
        // becomes one.
        if (step.from.size() != 2 || step.from[0] != step.from[1] ||
            step.to != step.from.substr(1)) {
            throw std::logic_error("a repeated step streams only when it shrinks a run");
        }
        chain->add(std::make_unique<RunCollapseFilter>(step.from[0]));
    }
    return chain;
}

}  // namespace sorvel
