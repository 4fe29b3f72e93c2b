#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "text/RichEditSurface.h"

namespace sorvel::testing {

// Owns a surface under test and whatever it needs to live (a window, say).
class SurfaceHarness {
  public:
    virtual ~SurfaceHarness() = default;
    virtual RichEditSurface& surface() = 0;
    // The longest text that a paste or rich replacement fills up to.
    virtual void setTextLimit(long limit) = 0;
    // Empties the clipboard that the surface pastes from.
    virtual void clearClipboard() = 0;
};

struct SurfaceKind {
    std::string name;
    std::function<std::unique_ptr<SurfaceHarness>()> make;
};

inline void PrintTo(const SurfaceKind& kind, std::ostream* os) {
    *os << kind.name;
}

// The contract every rich-edit surface keeps. An implementation runs it with
//   INSTANTIATE_TEST_SUITE_P(Name, SurfaceContract, ::testing::Values(SurfaceKind{...}));
class SurfaceContract : public ::testing::TestWithParam<SurfaceKind> {
  protected:
    void SetUp() override { harness_ = GetParam().make(); }
    RichEditSurface& s() { return harness_->surface(); }
    SurfaceHarness& harness() { return *harness_; }

    // Types `text` at the caret in the face `faceName`.
    void typeIn(std::string_view text, std::string_view faceName);

  private:
    std::unique_ptr<SurfaceHarness> harness_;
};

}  // namespace sorvel::testing
