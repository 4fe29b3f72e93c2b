#include "pali/PaliStandIns.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace sorvel {
namespace {

TEST(PaliStandIns, EveryFaceNameIsRecognisedAsTheFontItStandsFor) {
    std::set<PaliFontKind> kinds;
    for (const PaliFaceName& face : paliFaceNames()) {
        EXPECT_EQ(paliFontByPrefix(face.face), face.kind) << face.face;
        kinds.insert(face.kind);
    }
    EXPECT_EQ(kinds, std::set<PaliFontKind>(kPaliFonts.begin(), kPaliFonts.end()))
        << "every Pali font has a face name";
}

// The stand-ins' own families must not pass for the legacy fonts: they are
// installed next to real ones, which must stay distinguishable.
TEST(PaliStandIns, OwnFamiliesAreDistinctAndNoLegacyName) {
    std::set<std::string> families;
    for (const PaliFontKind kind : kPaliFonts) {
        const std::string family(standInFamily(kind));
        EXPECT_TRUE(family.starts_with("Sorvel Pali ")) << family;
        EXPECT_EQ(paliFontByPrefix(family), PaliFontKind::NoPaliFont) << family;
        families.insert(family);
    }
    EXPECT_EQ(families.size(), kPaliFonts.size());
    EXPECT_TRUE(standInFamily(PaliFontKind::NoPaliFont).empty());
    EXPECT_TRUE(standInFamily(PaliFontKind::UserTableFont).empty());
}

// Every family and face in every style has a file of its own: names that
// differ only in their blanks would overwrite each other's files.
TEST(PaliStandIns, FileNamesAreOnePerFaceAndStyle) {
    std::set<std::string> files;
    std::size_t expected = 0;
    for (const StandInStyle& style : standInStyles()) {
        for (const PaliFontKind kind : kPaliFonts) {
            files.insert(standInFileName(standInFamily(kind), style));
            ++expected;
        }
        for (const PaliFaceName& face : paliFaceNames()) {
            files.insert(standInFileName(face.face, style));
            ++expected;
        }
    }
    EXPECT_EQ(files.size(), expected);
    EXPECT_EQ(standInFileName("VriRomanPali CN", standInStyles()[3]),
              "VriRomanPaliCN-BoldItalic.ttf");
    EXPECT_EQ(standInFileName("Times_CSX+", standInStyles()[0]), "Times_CSX+-Regular.ttf");
}

}  // namespace
}  // namespace sorvel
