#include <gtest/gtest.h>

#include "docformat/DocumentReport.h"

namespace sorvel {
namespace {

using C = DocumentReport::Content;
using F = DocumentReport::Formatting;

TEST(DocumentReport, NamesTheContentInPlainWords) {
    DocumentReport report;
    report.add(C::ListNumber, 12);
    report.add(C::Footnote, 2);
    report.add(C::Picture);
    for (const char32_t c : {U'\u03B1', U'\u03B2', U'\u0301', U'\u03B4'}) {
        report.addCharacter(c, 3, static_cast<long>(c - 0x300), "Windows-1252");
    }
    report.addCharacter(U'\u1E43', 4, 1, "Arial CE");
    EXPECT_TRUE(report.lostContent());
    EXPECT_FALSE(report.lostFormatting());
    EXPECT_EQ(report.characterCount(), 5);
    // Kinds in a fixed order, the characters of each code page last; the
    // combining accent is named by its code point alone.
    EXPECT_EQ(report.describeContent(),
              "2 footnotes, 1 picture, the numbers of 12 list paragraphs, 4 characters that "
              "Windows-1252 cannot show: \xCE\xB1 (U+03B1) at line 3, column 177; \xCE\xB2 "
              "(U+03B2) at line 3, column 178; (U+0301) at line 3, column 1; and 1 more, 1 "
              "character that Arial CE cannot show: \xE1\xB9\x83 (U+1E43) at line 4, column 1");
    EXPECT_EQ(report.contentItems(0)[3], "4 characters that Windows-1252 cannot show");
}

TEST(DocumentReport, OneOfAKindIsSingular) {
    DocumentReport report;
    for (std::size_t k = 0; k < DocumentReport::kContentKinds; ++k) {
        report.add(static_cast<C>(k));
    }
    EXPECT_EQ(
        report.contentItems(),
        (std::vector<std::string>{
            "1 footnote", "1 endnote", "1 picture", "1 embedded object", "1 drawing or text box",
            "the number of 1 list paragraph", "the structure of 1 table", "the code of 1 field",
            "1 header", "1 footer", "1 annotation", "1 bookmark", "1 character of hidden text"}));
}

TEST(DocumentReport, FormattingAloneLosesNoContent) {
    DocumentReport report;
    report.setPaliFace("Times_CSX+");
    report.add(F::PaliFont, 3);
    report.add(F::Justified, 2);
    EXPECT_FALSE(report.lostContent());
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(report.describeContent(), "");
    EXPECT_EQ(report.formattingItems(),
              (std::vector<std::string>{
                  "justified alignment of 2 paragraphs (kept as left alignment)",
                  "the font of 3 Pali letters given in Unicode (now in Times_CSX+)"}));
}

TEST(DocumentReport, ListsOnlySoManyCharactersButCountsThemAll) {
    DocumentReport report;
    for (long i = 0; i < 250; ++i) {
        report.addCharacter(U'\u03B1', 1, i + 1, "Windows-1252");
    }
    ASSERT_EQ(report.characters().size(), 1u);
    EXPECT_EQ(report.characters()[0].count, 250);
    EXPECT_EQ(report.characters()[0].listed.size(), DocumentReport::kMaxListed);
}

}  // namespace
}  // namespace sorvel
