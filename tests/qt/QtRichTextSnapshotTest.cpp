#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <thread>

#include "qt/QtRichText.h"
#include "qt/QtRichTextSnapshot.h"

namespace sorvel {
namespace {

ParaFormat para(uint16_t align, int32_t start = 0, int32_t offset = 0,
                uint16_t numbers = numbering::None) {
    ParaFormat p;
    p.mask = paramask::All;
    p.alignment = align;
    p.startIndent = start;
    p.offset = offset;
    p.numbering = numbers;
    return p;
}

// Several runs in a paragraph, breaks in formats of their own, an empty
// paragraph, a bulleted and an indented one, and bytes that are no letter
// of Windows-1252 (0x81, 0x9D), which must come back as they were.
RichText sample() {
    FontDescription pali = RichText::standardFormat();
    pali.faceName = "VriRomanPali CN";
    FontDescription bold = pali;
    bold.effects |= chareffect::Bold;
    FontDescription big = RichText::standardFormat();
    big.height = 360;
    big.color = 0x0000FF;
    big.effects &= ~chareffect::AutoColor;
    RichText text(pali);
    text.append("Buddha\xBD sara\xBA", pali);
    text.append("a\xBD gacch\xB1mi", bold);
    text.appendBreak(bold, para(alignment::Center));
    text.append("Dhamma\xBD \x81\x9D", pali);
    text.append(" sara\xBA", big);
    text.appendBreak(pali, para(alignment::Left, 720, 360));
    text.appendBreak(big, para(alignment::Right));  // ends an empty paragraph
    text.append("Sa\xF1gha\xBD", pali);
    text.appendBreak(pali, para(alignment::Left, 0, 360, numbering::Bullet));
    text.append("iti", bold);
    return text;
}

// A RichText position as a Qt one: a break is two bytes there, one character here.
int qtPosition(const RichText& text, long pos) {
    return static_cast<int>(pos - std::count(text.text().begin(), text.text().begin() + pos, '\r'));
}

struct Range {
    long start;
    long end;
};

class SnapshotRange : public ::testing::TestWithParam<Range> {};

// A part of a document read through the snapshot is what the same part of
// the rich text it was loaded from holds.
TEST_P(SnapshotRange, BuildsWhatThatPartOfTheLoadedTextHolds) {
    const RichText text = sample();
    QTextDocument doc;
    QtRichText::load(doc, text);
    const Range r = GetParam();
    const RichText built =
        QtRichTextSnapshot::take(doc, qtPosition(text, r.start), qtPosition(text, r.end)).build();
    const RichText expected = text.slice(r.start, r.end);
    EXPECT_EQ(built.text(), expected.text());
    EXPECT_EQ(built.paragraphCount(), expected.paragraphCount());
    EXPECT_EQ(built, expected);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SnapshotRange,
                         ::testing::Values(Range{0, 58},     // all of it
                                           Range{3, 18},     // across two runs
                                           Range{14, 30},    // across a break
                                           Range{26, 26},    // nothing
                                           Range{27, 48},    // into the empty paragraph and out
                                           Range{42, 46},    // breaks only
                                           Range{46, 58},    // the bullet and the last paragraph
                                           Range{31, 36}));  // inside one run, odd bytes

// The whole document, taken at once, is the text it was loaded from, and the
// format the text starts in is the one a caret at the start would type in.
TEST(QtRichTextSnapshot, WholeDocumentIsTheLoadedText) {
    const RichText text = sample();
    QTextDocument doc;
    QtRichText::load(doc, text);
    const RichText built = QtRichTextSnapshot::take(doc).build();
    EXPECT_EQ(built, text);
    EXPECT_EQ(QtRichText::read(doc), text);
    EXPECT_EQ(built.paraFormat(1).startIndent, 720);
    EXPECT_EQ(built.paraFormat(3).numbering, numbering::Bullet);
}

// Taken on the document's thread, built on another while the document goes
// on changing: the text as it was when taken.
TEST(QtRichTextSnapshot, BuiltOnAnotherThreadGivesTheDocumentAsItWasWhenTaken) {
    QTextDocument doc;
    QtRichText::load(doc, sample());
    const QtRichTextSnapshot taken = QtRichTextSnapshot::take(doc);
    RichText built;
    std::thread builder([&] { built = taken.build(); });
    for (int i = 0; i < 200; ++i) {
        QTextCursor(&doc).insertText(QStringLiteral("changed "));
    }
    builder.join();
    EXPECT_EQ(built, sample());
    EXPECT_NE(QtRichText::read(doc), sample());
}

}  // namespace
}  // namespace sorvel
