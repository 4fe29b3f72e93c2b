#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/text/SurfaceContract.h"
#include "text/MemorySurface.h"

namespace sorvel::testing {
namespace {

class MemoryHarness : public SurfaceHarness {
  public:
    RichEditSurface& surface() override { return surface_; }
    void setTextLimit(long limit) override { surface_.setTextLimit(limit); }
    void clearClipboard() override { surface_.clipboard().clear(); }

  private:
    MemorySurface surface_;
};

INSTANTIATE_TEST_SUITE_P(Memory, SurfaceContract,
                         ::testing::Values(SurfaceKind{
                             "Memory", [] { return std::make_unique<MemoryHarness>(); }}),
                         [](const auto& info) { return info.param.name; });

TEST(MemorySurface, SurfacesSharingAClipboardPasteEachOthersCopies) {
    auto clipboard = std::make_shared<MemoryClipboard>();
    MemorySurface a(clipboard);
    MemorySurface b(clipboard);
    a.replaceSel("shared", false);
    a.setSel(0, -1);
    a.copy();
    b.paste();
    EXPECT_EQ(b.getWindowText(), "shared");
    clipboard->setPlain("x\ny");
    b.paste();
    EXPECT_EQ(b.getWindowText(), "sharedx\r\ny");
}

// A plain paste stops at the text limit as the window's does, and a break
// (of any spelling) goes in whole or not at all: (limit, clipboard, text).
TEST(MemorySurface, APlainPasteIsCutWhereTheLimitFalls) {
    const std::vector<std::tuple<long, std::string, std::string>> cases = {
        {6, "wxyz", "abcwxy"},
        {5, "w\nxy", "abcw"},
        {6, "w\r\nxy", "abcw\r\n"},
        {7, "w\rxy", "abcw\r\nx"},
        {3, "w", "abc"}};
    for (const auto& [limit, clip, expected] : cases) {
        SCOPED_TRACE(clip);
        MemorySurface s;
        s.setTextLimit(limit);
        s.replaceSel("abc", false);
        s.clipboard().setPlain(clip);
        s.paste();
        EXPECT_EQ(s.getWindowText(), expected);
    }
}

TEST(MemorySurface, DefaultAndBackgroundAreRecorded) {
    MemorySurface s;
    s.callDefault();
    s.callDefault();
    s.setBackgroundColor(0x00E6F2FB);
    EXPECT_EQ(s.defaultCalls(), 2);
    EXPECT_EQ(s.backgroundColor(), 0x00E6F2FBu);
}

}  // namespace
}  // namespace sorvel::testing
