#include "usertable/FontCodeReference.h"

#include <gtest/gtest.h>

#include "support/TestView.h"
#include "usertable/TableAuthoring.h"

namespace sorvel::testing {
namespace {

const std::string kQuestion(kFontCodeReferenceQuestion);
const std::string kConfirm(kConfirmTableDocumentQuestion);

const char kHeadingTail[] =
    ": A Code Reference Table\r\n\r\nMany people do not know this: if you are working with a "
    "Windows program (such as your word processor) you can get these characters in your document "
    "the following way:\r\n\r\n1. Press down and hold the Alt key\r\n2. Use the numeric keypad to "
    "enter all four digits in the number\r\n3. Release the Alt Key.\r\n\r\nYou can see why "
    "transliteration is so handy. Normally, you would have to remember all of these codes; use "
    "both hands and five keystrokes to enter a single character. Plus, you would have to remember "
    "which fonts have which characters; and the character codes can be different for every font. "
    "Whew!\r\n\r\nTransliteration is a lot easier than that.\r\n\r\n";

bool unsupported(int n) {
    return n == 127 || n == 128 || n == 129 || n == 141 || n == 142 || n == 143 || n == 144 ||
           n == 157 || n == 158;
}

TEST(FontCodeReference, BuildsHeadingAndRowsWithCodesInTheCaretFont) {
    TestView t;
    t.setText("", "Arial");
    t.platform.expectYesNo(kQuestion, true);
    t.platform.expectFontDialog(fontChoice("Symbol", 140), [](const FontDialogRequest& r) {
        EXPECT_EQ(r.initial.faceName, "Arial");
        EXPECT_EQ(r.fonts, FontList::ScreenOnly);
        EXPECT_TRUE(r.mustExist);
    });
    makeFontCodeReferenceTable(t.view);

    const std::string text = t.text();
    const std::string heading = std::string("Symbol") + kHeadingTail;
    ASSERT_TRUE(text.starts_with(heading));

    std::string rows;
    for (int n = 64; n <= 255; ++n) {
        char label[8];
        std::snprintf(label, sizeof label, "%04d\t", n);
        rows += label;
        rows += unsupported(n) ? std::string("Not Supported by Windows") : std::string(1, char(n));
        rows += "\r\n";
    }
    EXPECT_EQ(text.substr(heading.size()), rows);

    const RichText& doc = t.surface.document();
    long pos = static_cast<long>(heading.size());
    int characters = 0;
    for (int n = 64; n <= 255; ++n) {
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(doc.formatAt(pos + i).faceName, "Arial") << "label of " << n;
        }
        pos += 5;
        if (unsupported(n)) {
            EXPECT_EQ(doc.formatAt(pos).faceName, "Arial");
            pos += 24 + 2;
        } else {
            EXPECT_EQ(doc.formatAt(pos).faceName, "Symbol") << n;
            EXPECT_EQ(doc.formatAt(pos).height, 280);
            ++characters;
            pos += 1 + 2;
        }
    }
    EXPECT_EQ(characters, 183);
    EXPECT_EQ(doc.formatAt(0).faceName, "Arial") << "the heading is in the caret's font";
    EXPECT_EQ(t.surface.getSel(), (Selection{0, 0}));
    EXPECT_TRUE(t.surface.getModify());
}

TEST(FontCodeReference, NoAtTheFirstQuestionEndsAtOnce) {
    TestView t;
    t.setText("text");
    t.surface.setModify(false);
    t.platform.expectYesNo(kQuestion, false);
    makeFontCodeReferenceTable(t.view);
    EXPECT_EQ(t.text(), "text");
    EXPECT_FALSE(t.surface.getModify());
}

TEST(FontCodeReference, DocumentWithTextIsAskedAndNoLeavesItUnchanged) {
    TestView t;
    t.setText("text");
    t.surface.setModify(false);
    t.platform.expectYesNo(kQuestion, true);
    t.platform.expectYesNo(kConfirm, false);
    makeFontCodeReferenceTable(t.view);
    EXPECT_EQ(t.text(), "text");
    EXPECT_FALSE(t.surface.getModify());
}

TEST(FontCodeReference, DocumentWithTextAndYesInsertsAtTheCaret) {
    TestView t;
    t.setText("before after");
    t.surface.setSel(7, 7);
    t.platform.expectYesNo(kQuestion, true);
    t.platform.expectYesNo(kConfirm, true);
    t.platform.expectFontDialog(fontChoice("Wingdings"));
    makeFontCodeReferenceTable(t.view);
    EXPECT_TRUE(t.text().starts_with("before Wingdings: A Code Reference Table"));
    EXPECT_TRUE(t.text().ends_with("0255\t\xFF\r\nafter"));
}

TEST(FontCodeReference, CancelledFontDialogLeavesTheDocumentUnchanged) {
    TestView t;
    t.platform.expectYesNo(kQuestion, true);
    t.platform.expectFontDialog(std::nullopt);
    makeFontCodeReferenceTable(t.view);
    EXPECT_EQ(t.text(), "");
    EXPECT_FALSE(t.surface.getModify());
}

}  // namespace
}  // namespace sorvel::testing
