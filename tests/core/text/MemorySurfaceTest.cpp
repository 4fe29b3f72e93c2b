#include <gtest/gtest.h>

#include "core/text/SurfaceContract.h"
#include "text/MemorySurface.h"

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
    s.setCharFormat(faceOnly("Arial"));
    s.replaceSel("ab\r\n", false);
    s.setCharFormat(faceOnly("VriRomanPali CN"));
    s.replaceSel("cd", false);
    s.setSel(0, 0);
    s.setSel(4, 4);
    EXPECT_EQ(s.getCharFormatSelection().faceName, "VriRomanPali CN");
    s.setSel(2, 2);
    EXPECT_EQ(s.getCharFormatSelection().faceName, "Arial");
}

TEST(MemorySurface, AnUnchangedCaretKeepsTheFormatSetAtIt) {
    MemorySurface s;
    s.replaceSel("abc", false);
    s.setCharFormat(faceOnly("Times_Norman"));
    s.setSel(3, 3);
    EXPECT_EQ(s.getCharFormatSelection().faceName, "Times_Norman");
    s.setSel(2, 2);
    s.setSel(3, 3);
    EXPECT_NE(s.getCharFormatSelection().faceName, "Times_Norman");
}

TEST(MemorySurface, UndoOfAFormatChangeRestoresTheOldFormat) {
    MemorySurface s;
    s.setCharFormat(faceOnly("Arial"));
    s.replaceSel("abc", false);
    s.setSel(0, 3);
    s.setCharFormat(faceOnly("Times_CSX+"));
    s.undo();
    s.setSel(0, 3);
    EXPECT_EQ(s.getCharFormatSelection().faceName, "Arial");
}

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
