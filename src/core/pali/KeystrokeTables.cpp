#include "pali/KeystrokeTables.h"

#include "pali/PaliLetters.h"

namespace sorvel {

const std::array<KeystrokeCode, kKeystrokeCodeCount>& keystrokeCodes() {
    static constexpr std::array<KeystrokeCode, kKeystrokeCodeCount> kCodes = {{
        {"aa", 1},  {"Aa", 2},   {"AA", 2},   {"ii", 3},  {"Ii", 4},   {"II", 4},  {"uu", 5},
        {"Uu", 6},  {"UU", 6},   {".d", 7},   {"ddd", 7}, {".D", 8},   {"DDD", 8}, {".l", 9},
        {"lll", 9}, {".L", 10},  {"LLL", 10}, {".m", 11}, {"mmm", 11}, {".M", 12}, {"MMM", 12},
        {"!m", 13}, {".t", 16},  {"ttt", 16}, {".T", 17}, {"TTT", 17}, {".n", 14}, {"nnn", 14},
        {".N", 15}, {"NNN", 15}, {"!n", 20},  {"!N", 21}, {"~n", 18},  {"~N", 19},
    }};
    return kCodes;
}

namespace {

KeystrokeTable buildTable(PaliFontKind kind) {
    KeystrokeTable table;
    int i = 0;
    for (const KeystrokeCode& k : keystrokeCodes()) {
        table[i++] = CodePair{std::string(k.code), fontCharacterString(k.letterNumber, kind)};
    }
    table[i] = endPair();
    return table;
}

}  // namespace

const KeystrokeTable& keystrokeTable(PaliFontKind kind) {
    static const std::array<KeystrokeTable, 5> kTables = {
        buildTable(PaliFontKind::VriRomanPali), buildTable(PaliFontKind::TimesCsxPlus),
        buildTable(PaliFontKind::SktTimes), buildTable(PaliFontKind::TimesNorman),
        buildTable(PaliFontKind::LeedsBitPali)};
    return kTables[paliFontIndex(kind)];
}

}  // namespace sorvel
