#include "pali/PaliLetters.h"

namespace sorvel {

const std::array<PaliLetter, kPaliLetterCount>& paliLetters() {
    // Columns: VriRomanPali, Times_CSX+, SKT_Times, Times_Norman, LeedsBit Pali.
    static constexpr std::array<PaliLetter, kPaliLetterCount> kLetters = {{
        {1, "long a", "aa", {177, 224, 230, 140, 140}},
        {2, "long A", "Aa", {190, 226, 198, 238, 238}},
        {3, "long i", "ii", {178, 227, 248, 180, 180}},
        {4, "long I", "Ii", {191, 228, 216, 231, 231}},
        {5, "long u", "uu", {179, 229, 254, 232, 232}},
        {6, "long U", "Uu", {208, 230, 222, 242, 242}},
        {7, "underdot d", ".d", {185, 243, 240, 182, 182}},
        {8, "underdot D", ".D", {222, 244, 208, 223, 223}},
        {9, "underdot l", ".l", {188, 235, 185, 194, 194}},
        {10, "underdot L", ".L", {253, 236, 161, 226, 226}},
        {11, "underdot m", ".m", {189, 252, 181, 181, 181}},
        {12, "underdot M", ".M", {254, 253, 186, 200, 200}},
        {13, "overdot m", "1m", {189, 167, 181, 215, 215}},
        {14, "underdot n", ".n", {186, 245, 188, 246, 246}},
        {15, "underdot N", ".N", {240, 246, 164, 239, 239}},
        {16, "underdot t", ".t", {181, 241, 165, 160, 202}},
        {17, "underdot T", ".T", {221, 242, 191, 233, 233}},
        {18, "tilde n", "~n", {241, 164, 241, 150, 150}},
        {19, "tilde N", "~N", {209, 165, 209, 132, 132}},
        {20, "overdot n", "1n", {170, 239, 179, 186, 186}},
        {21, "overdot N", "1N", {169, 240, 163, 220, 220}},
    }};
    return kLetters;
}

std::string intermediateCode(int letterNumber) {
    std::string code = "[&P";
    code += paliLetters()[letterNumber - 1].letterKey;
    code += ']';
    return code;
}

int intermediateCodeLetter(std::string_view text) {
    if (text.size() < 6 || text[0] != '[' || text[1] != '&' || text[2] != 'P' || text[5] != ']') {
        return 0;
    }
    for (const PaliLetter& l : paliLetters()) {
        if (text[3] == l.letterKey[0] && text[4] == l.letterKey[1]) {
            return l.number;
        }
    }
    return 0;
}

std::array<uint8_t, 256> lettersOfFont(PaliFontKind kind) {
    std::array<uint8_t, 256> letters{};
    if (!isPaliFont(kind)) {
        return letters;
    }
    for (const PaliLetter& l : paliLetters()) {
        uint8_t& slot = letters[fontCharacter(l.number, kind)];
        if (slot == 0) {
            slot = static_cast<uint8_t>(l.number);
        }
    }
    return letters;
}

uint8_t fontCharacter(int letterNumber, PaliFontKind kind) {
    return paliLetters()[letterNumber - 1].fontChar[paliFontIndex(kind)];
}

std::string fontCharacterString(int letterNumber, PaliFontKind kind) {
    return std::string(1, static_cast<char>(fontCharacter(letterNumber, kind)));
}

}  // namespace sorvel
