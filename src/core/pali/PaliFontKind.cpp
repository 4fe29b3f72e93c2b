#include "pali/PaliFontKind.h"

#include <utility>

namespace sorvel {

PaliFontKind paliFontByPrefix(std::string_view faceName) {
    // Tested in this order; the first prefix that matches decides.
    static constexpr std::pair<std::string_view, PaliFontKind> kPrefixes[] = {
        {"VriRomanPali", PaliFontKind::VriRomanPali},
        {"Times_CSX+", PaliFontKind::TimesCsxPlus},
        {"LeedsBit Pali", PaliFontKind::LeedsBitPali},
        {"SKT", PaliFontKind::SktTimes},
        {"Skt", PaliFontKind::SktTimes},
        {"Times_Norman", PaliFontKind::TimesNorman},
    };
    for (const auto& [prefix, kind] : kPrefixes) {
        if (faceName.starts_with(prefix)) {
            return kind;
        }
    }
    return PaliFontKind::NoPaliFont;
}

std::string_view paliFontName(PaliFontKind kind) {
    switch (kind) {
        case PaliFontKind::VriRomanPali:
            return "VriRomanPali";
        case PaliFontKind::TimesCsxPlus:
            return "Times_CSX+";
        case PaliFontKind::SktTimes:
            return "SKT_Times";
        case PaliFontKind::TimesNorman:
            return "Times_Norman";
        case PaliFontKind::LeedsBitPali:
            return "LeedsBit PaliTranslit";
        case PaliFontKind::UserTableFont:
            return "the user table's font";
        case PaliFontKind::NoPaliFont:
            break;
    }
    return "no Pali font";
}

}  // namespace sorvel
