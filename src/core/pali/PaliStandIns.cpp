#include "pali/PaliStandIns.h"

namespace sorvel {

const std::array<PaliFaceName, 7>& paliFaceNames() {
    static constexpr std::array<PaliFaceName, 7> kFaces = {{
        {"VriRomanPali CN", PaliFontKind::VriRomanPali},
        {"VriRomanPali CB", PaliFontKind::VriRomanPali},
        {"Times_CSX+", PaliFontKind::TimesCsxPlus},
        {"SKT Times", PaliFontKind::SktTimes},
        {"SKT_Times", PaliFontKind::SktTimes},
        {"Times_Norman", PaliFontKind::TimesNorman},
        {"LeedsBit PaliTranslit", PaliFontKind::LeedsBitPali},
    }};
    return kFaces;
}

std::string_view standInFamily(PaliFontKind kind) {
    switch (kind) {
        case PaliFontKind::VriRomanPali:
            return "Sorvel Pali VRI";
        case PaliFontKind::TimesCsxPlus:
            return "Sorvel Pali CSX";
        case PaliFontKind::SktTimes:
            return "Sorvel Pali SKT";
        case PaliFontKind::TimesNorman:
            return "Sorvel Pali Norman";
        case PaliFontKind::LeedsBitPali:
            return "Sorvel Pali LeedsBit";
        case PaliFontKind::NoPaliFont:
        case PaliFontKind::UserTableFont:
            break;
    }
    return {};
}

const std::array<StandInStyle, 4>& standInStyles() {
    static constexpr std::array<StandInStyle, 4> kStyles = {{
        {"Regular", "Regular", false, false},
        {"Bold", "Bold", true, false},
        {"Italic", "Italic", false, true},
        {"BoldItalic", "Bold Italic", true, true},
    }};
    return kStyles;
}

std::string standInFileName(std::string_view family, const StandInStyle& style) {
    std::string name;
    for (const char c : family) {
        if (c != ' ') {
            name += c;
        }
    }
    name += '-';
    name += style.suffix;
    name += ".ttf";
    return name;
}

}  // namespace sorvel
