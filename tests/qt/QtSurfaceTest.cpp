#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include "core/text/SurfaceContract.h"
#include "qt/EightBitTextEdit.h"
#include "qt/QtSurface.h"

namespace sorvel::testing {
namespace {

class QtHarness : public SurfaceHarness {
  public:
    QtHarness() : edit_(state_), surface_(edit_) {}
    RichEditSurface& surface() override { return surface_; }
    void setTextLimit(long limit) override { edit_.setTextLimit(limit); }
    void clearClipboard() override { QGuiApplication::clipboard()->clear(); }

  private:
    TransliterationState state_;
    EightBitTextEdit edit_;
    QtSurface surface_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SurfaceContract,
                         ::testing::Values(SurfaceKind{
                             "Qt", [] { return std::make_unique<QtHarness>(); }}),
                         [](const auto& info) { return info.param.name; });

// Positions are mapped through the block tree; a document of many short and
// empty paragraphs exercises every way a position can fall.
TEST(QtSurface, EveryPositionMapsToTheSameCharacterAsTheWholeText) {
    TransliterationState state;
    EightBitTextEdit edit(state);
    QtSurface surface(edit);
    std::mt19937 rng(7);
    const int lengths[] = {0, 0, 1, 2, 3, 5, 70, 200};
    std::string text;
    for (int p = 0; p < 400; ++p) {
        const int n = lengths[rng() % std::size(lengths)];
        for (int i = 0; i < n; ++i) {
            text += static_cast<char>('a' + rng() % 26);
        }
        text += "\r\n";
    }
    text += "end";
    surface.setWindowText(text);
    ASSERT_EQ(surface.getTextLength(), static_cast<long>(text.size()));
    ASSERT_EQ(surface.getWindowText(), text);
    for (long p = 0; p <= static_cast<long>(text.size()); ++p) {
        if (p % 41 == 20 && text[p - 1] != '\r') {
            // An edit between two lookups, with or without a break, and one
            // that joins two paragraphs: nothing remembered may outlive it.
            const char* inserted = p % 3 == 0 ? "x\r\n" : (p % 3 == 1 ? "yz" : "");
            const long removed = p % 3 != 2 ? 0 : (text[p] == '\r' ? 2 : 1);
            surface.setSel(p, p + removed);
            surface.replaceSel(inserted, false);
            text.replace(static_cast<std::size_t>(p), removed, inserted);
            // The caret's paragraph is remembered now; then an edit before it.
            const long q = p / 2;
            const int qtQ = surface.toQt(q);
            ASSERT_EQ(surface.getTextRange(p, p + 3), text.substr(p, 3)) << "at " << p;
            if (text[q - 1] != '\r') {
                QTextCursor c(edit.document());
                c.setPosition(qtQ);
                c.insertText(QStringLiteral("yz"));
                text.insert(static_cast<std::size_t>(q), "yz");
            }
            // Around the caret's paragraph, the breaks on both sides included.
            for (long r = std::max(0L, p - 90); r < p + 10; ++r) {
                const bool inBreak = r > 0 && text[r - 1] == '\r';
                ASSERT_EQ(surface.toSurface(surface.toQt(r)), inBreak ? r - 1 : r) << "at " << r;
                ASSERT_EQ(surface.getTextRange(r, r + 2), text.substr(r, 2)) << "at " << r;
            }
        }
        ASSERT_EQ(surface.getTextRange(p, p + 3), text.substr(p, 3)) << "at " << p;
        const bool insideBreak = p > 0 && text[p - 1] == '\r';
        surface.setSel(p, p);
        ASSERT_EQ(surface.getSel().start, insideBreak ? p - 1 : p) << "at " << p;
        ASSERT_EQ(surface.toSurface(surface.toQt(p)), insideBreak ? p - 1 : p) << "at " << p;
    }
}

}  // namespace
}  // namespace sorvel::testing
