#pragma once

#include <array>
#include <string_view>

namespace sorvel {

// The supported Pali fonts, plus "no Pali font" and "the user table's font".
enum class PaliFontKind {
    NoPaliFont = 0,
    VriRomanPali = 10,
    TimesCsxPlus = 20,
    SktTimes = 30,
    TimesNorman = 40,
    LeedsBitPali = 50,
    UserTableFont = 90,
};

// The five fonts whose letter codes Sorvel knows, in a fixed order.
inline constexpr std::array<PaliFontKind, 5> kPaliFonts = {
    PaliFontKind::VriRomanPali, PaliFontKind::TimesCsxPlus, PaliFontKind::SktTimes,
    PaliFontKind::TimesNorman, PaliFontKind::LeedsBitPali};

// True for the five fonts that have letter codes and keystroke tables.
constexpr bool isPaliFont(PaliFontKind kind) {
    return kind == PaliFontKind::VriRomanPali || kind == PaliFontKind::TimesCsxPlus ||
           kind == PaliFontKind::SktTimes || kind == PaliFontKind::TimesNorman ||
           kind == PaliFontKind::LeedsBitPali;
}

// The index of a Pali font in kPaliFonts; only for isPaliFont(kind).
constexpr int paliFontIndex(PaliFontKind kind) {
    switch (kind) {
        case PaliFontKind::VriRomanPali:
            return 0;
        case PaliFontKind::TimesCsxPlus:
            return 1;
        case PaliFontKind::SktTimes:
            return 2;
        case PaliFontKind::TimesNorman:
            return 3;
        case PaliFontKind::LeedsBitPali:
            return 4;
        default:
            return -1;
    }
}

// The kind of a face by the five face-name prefixes alone, case-sensitive;
// NoPaliFont when none matches.
PaliFontKind paliFontByPrefix(std::string_view faceName);

// A readable name of the kind, for messages of the command-line tool.
std::string_view paliFontName(PaliFontKind kind);

}  // namespace sorvel
