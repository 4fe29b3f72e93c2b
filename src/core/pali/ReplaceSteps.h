#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/FilterChain.h"

namespace sorvel {

class TracedText;

// One step of a conversion built of whole-text replacements.
struct ReplaceStep {
    std::string from;
    std::string to;
    // Repeated until a pass finds nothing; only for shrinking runs of one
    // character ("  " by " "), which is what streaming can do of it.
    bool untilNone = false;
};

using ReplaceSteps = std::vector<ReplaceStep>;

// Runs the steps over the whole text, each over the result of the one before.
void applySteps(std::string& text, const ReplaceSteps& steps);
// The same, with each character's origin following it.
void applySteps(TracedText& text, const ReplaceSteps& steps);

// The same steps as filters, for text that comes in pieces.
std::unique_ptr<FilterChain> stepsFilter(const ReplaceSteps& steps);

}  // namespace sorvel
