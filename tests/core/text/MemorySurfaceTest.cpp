#include <gtest/gtest.h>

#include "text/MemorySurface.h"
#include "core/text/SurfaceContract.h"

namespace sorvel::testing {
namespace {

class MemoryHarness : public SurfaceHarness {
  public:
    RichEditSurface& surface() override { return surface_; }

  private:
    MemorySurface surface_;
};

INSTANTIATE_TEST_SUITE_P(Memory, SurfaceContract,
                         ::testing::Values(SurfaceKind{
                             "Memory", [] { return std::make_unique<MemoryHarness>(); }}),
                         [](const auto& info) { return info.param.name; });

FontDescription faceOnly(std::string_view name) {
    FontDescription f;
    f.mask = charmask::Face;
    f.faceName = name;
    return f;
}

TEST(MemorySurface, InsertionFormatAtAParagraphStartIsThatOfItsFirstCharacter) {
    MemorySurface s;
    s.SetCharFormat(faceOnly("Arial"));
    s.ReplaceSel("ab\r\n", false);
    s.SetCharFormat(faceOnly("VriRomanPali CN"));
    s.ReplaceSel("cd", false);
    s.SetSel(0, 0);
    s.SetSel(4, 4);
    EXPECT_EQ(s.GetCharFormatSelection().faceName, "VriRomanPali CN");
    s.SetSel(2, 2);
    EXPECT_EQ(s.GetCharFormatSelection().faceName, "Arial");
}

TEST(MemorySurface, AnUnchangedCaretKeepsTheFormatSetAtIt) {
    MemorySurface s;
    s.ReplaceSel("abc", false);
    s.SetCharFormat(faceOnly("Times_Norman"));
    s.SetSel(3, 3);
    EXPECT_EQ(s.GetCharFormatSelection().faceName, "Times_Norman");
    s.SetSel(2, 2);
    s.SetSel(3, 3);
    EXPECT_NE(s.GetCharFormatSelection().faceName, "Times_Norman");
}

TEST(MemorySurface, UndoOfAFormatChangeRestoresTheOldFormat) {
    MemorySurface s;
    s.SetCharFormat(faceOnly("Arial"));
    s.ReplaceSel("abc", false);
    s.SetSel(0, 3);
    s.SetCharFormat(faceOnly("Times_CSX+"));
    s.Undo();
    s.SetSel(0, 3);
    EXPECT_EQ(s.GetCharFormatSelection().faceName, "Arial");
}

TEST(MemorySurface, SurfacesSharingAClipboardPasteEachOthersCopies) {
    auto clipboard = std::make_shared<MemoryClipboard>();
    MemorySurface a(clipboard);
    MemorySurface b(clipboard);
    a.ReplaceSel("shared", false);
    a.SetSel(0, -1);
    a.Copy();
    b.Paste();
    EXPECT_EQ(b.GetWindowText(), "shared");
    clipboard->setPlain("x\ny");
    b.Paste();
    EXPECT_EQ(b.GetWindowText(), "sharedx\r\ny");
}

TEST(MemorySurface, DefaultAndBackgroundAreRecorded) {
    MemorySurface s;
    s.Default();
    s.Default();
    s.SetBackgroundColor(0x00E6F2FB);
    EXPECT_EQ(s.defaultCalls(), 2);
    EXPECT_EQ(s.backgroundColor(), 0x00E6F2FBu);
}

}  // namespace
}  // namespace sorvel::testing
