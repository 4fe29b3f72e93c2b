#include <gtest/gtest.h>

#include "translit/IdentifyPaliFont.h"

namespace sorvel {
namespace {

struct FaceCase {
    const char* name;
    std::string face;
    std::string userTableFont;
    bool userTableOn;
    PaliFontKind expected;
    friend void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.name; }
};

class IdentifyPaliFont : public ::testing::TestWithParam<FaceCase> {};

TEST_P(IdentifyPaliFont, GivesTheKindOfTheFace) {
    TransliterationState state;
    state.userTableFont = GetParam().userTableFont;
    state.userTableOn = GetParam().userTableOn;
    EXPECT_EQ(identifyPaliFont(GetParam().face, state), GetParam().expected);
}

using K = PaliFontKind;

INSTANTIATE_TEST_SUITE_P(
    Faces, IdentifyPaliFont,
    ::testing::Values(
        FaceCase{"VriRomanPaliCN", "VriRomanPali CN", "", false, K::VriRomanPali},
        FaceCase{"VriRomanPaliCB", "VriRomanPali CB", "", false, K::VriRomanPali},
        FaceCase{"TimesCsxPlus", "Times_CSX+", "", false, K::TimesCsxPlus},
        FaceCase{"TimesCsxPlusItalic", "Times_CSX+ Italic", "", false, K::TimesCsxPlus},
        FaceCase{"LeedsBit", "LeedsBit PaliTranslit", "", false, K::LeedsBitPali},
        FaceCase{"LeedsBitAnyEnding", "LeedsBit Pali Whatever", "", false, K::LeedsBitPali},
        FaceCase{"SktSpace", "SKT Times", "", false, K::SktTimes},
        FaceCase{"SktUnderscore", "SKT_Times", "", false, K::SktTimes},
        FaceCase{"SktMixedCase", "Skt Times", "", false, K::SktTimes},
        FaceCase{"SktAnything", "SKTxyz", "", false, K::SktTimes},
        FaceCase{"TimesNorman", "Times_Norman", "", false, K::TimesNorman},
        FaceCase{"LowerCaseVri", "vriromanpali CN", "", false, K::NoPaliFont},
        FaceCase{"CsxWithBlank", "Times CSX+", "", false, K::NoPaliFont},
        FaceCase{"TimesNewRoman", "Times New Roman", "", false, K::NoPaliFont},
        FaceCase{"Empty", "", "", false, K::NoPaliFont},
        FaceCase{"SktLowerCase", "skt Times", "", false, K::NoPaliFont},
        FaceCase{"UserTableOverPaliFontOn", "VriRomanPali CN", "VriRomanPali", true,
                 K::UserTableFont},
        FaceCase{"UserTableOverPaliFontOff", "VriRomanPali CN", "VriRomanPali", false,
                 K::UserTableFont},
        FaceCase{"ShorterFaceThanTableFont", "Arial", "Arial Unicode", true, K::NoPaliFont},
        FaceCase{"ShorterPaliFaceThanTableFont", "SKT", "SKT Times Extra", true, K::SktTimes},
        FaceCase{"TableFontIsAPrefix", "Times New Roman Bold", "Times New Roman", true,
                 K::UserTableFont},
        FaceCase{"OtherFaceWithTable", "Times_Norman", "Arial", true, K::TimesNorman}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
