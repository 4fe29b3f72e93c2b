#include <gtest/gtest.h>

#include "view/EightBitTextEdit.h"
#include "view/QtSurface.h"
#include "view/SurfaceContract.h"

namespace sorvel::testing {
namespace {

class QtHarness : public SurfaceHarness {
  public:
    QtHarness() : edit_(state_), surface_(edit_) {}
    RichEditSurface& surface() override { return surface_; }

  private:
    TransliterationState state_;
    EightBitTextEdit edit_;
    QtSurface surface_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SurfaceContract,
                         ::testing::Values(SurfaceKind{
                             "Qt", [] { return std::make_unique<QtHarness>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sorvel::testing
