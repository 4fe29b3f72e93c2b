#include "help/DialogUnits.h"

#include <algorithm>

namespace sorvel {

namespace {

// value * numerator / denominator, rounded half away from zero.
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

}  // namespace

DialogUnits::DialogUnits(int baseX, int baseY)
    : baseX_(std::max(baseX, 1)), baseY_(std::max(baseY, 1)) {}

DialogUnits DialogUnits::fromFont(int alphabetWidth, int height) {
    if (alphabetWidth <= 0 || height <= 0) {
        return DialogUnits(6, 13);
    }
    // The average of the 52 letters, rounded to whole pixels.
    return DialogUnits((alphabetWidth / 26 + 1) / 2, height);
}

int DialogUnits::toPixelsX(int units) const {
    return scaleRounded(units, baseX_, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return scaleRounded(units, baseY_, 8);
}

DialogRect DialogUnits::toPixels(const DialogRect& units) const {
    return DialogRect{toPixelsX(units.x), toPixelsY(units.y), toPixelsX(units.width),
                      toPixelsY(units.height)};
}

}  // namespace sorvel
