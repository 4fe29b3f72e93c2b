#include "help/HelpCodeTables.h"

#include <cstdio>
#include <vector>

#include "pali/KeystrokeTables.h"
#include "pali/PaliLetters.h"

namespace sorvel {

namespace {

constexpr int kOverdotM = 13;

std::string fourDigits(int code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04d", code);
    return buffer;
}

std::string joinCodes(const std::vector<std::string_view>& codes) {
    if (codes.empty()) {
        return std::string(kNoCode);
    }
    std::string cell;
    for (const std::string_view code : codes) {
        if (!cell.empty()) {
            cell += kCodeSeparator;
        }
        cell += code;
    }
    return cell;
}

std::string_view letterName(int letterNumber) {
    return paliLetters()[letterNumber - 1].name;
}

// The first letter, in letter order, that has the same character as
// `letterNumber` in the font; the letter itself when it has its own.
int firstLetterWithSameCharacter(int letterNumber, PaliFontKind kind) {
    for (int other = 1; other < letterNumber; ++other) {
        if (fontCharacter(other, kind) == fontCharacter(letterNumber, kind)) {
            return other;
        }
    }
    return letterNumber;
}

}  // namespace

KeystrokeCodeKind keystrokeCodeKind(std::string_view code) {
    if (code.starts_with('.')) {
        return KeystrokeCodeKind::Standard;
    }
    if (code.starts_with('~')) {
        return KeystrokeCodeKind::Both;
    }
    if (code.starts_with('!') || (code.size() == 3 && code[0] == code[1] && code[1] == code[2])) {
        return KeystrokeCodeKind::SimplePaliEntry;
    }
    if (code.size() == 2 && code[0] == code[1]) {
        return KeystrokeCodeKind::Both;
    }
    return KeystrokeCodeKind::Capital;
}

std::string keystrokeCodeTableText() {
    std::string text(kCodeTableHeader);
    text += '\n';
    for (const PaliLetter& letter : paliLetters()) {
        std::vector<std::string_view> standard;
        std::vector<std::string_view> simple;
        std::vector<std::string_view> alsoAccepted;
        for (const KeystrokeCode& k : keystrokeCodes()) {
            if (k.letterNumber != letter.number) {
                continue;
            }
            switch (keystrokeCodeKind(k.code)) {
                case KeystrokeCodeKind::Standard:
                    standard.push_back(k.code);
                    break;
                case KeystrokeCodeKind::SimplePaliEntry:
                    simple.push_back(k.code);
                    break;
                case KeystrokeCodeKind::Both:
                    standard.push_back(k.code);
                    simple.push_back(k.code);
                    break;
                case KeystrokeCodeKind::Capital:
                    alsoAccepted.push_back(k.code);
                    break;
            }
        }
        text += joinCodes(standard);
        text += '\t';
        text += joinCodes(simple);
        text += '\t';
        text += letter.name;
        if (!alsoAccepted.empty()) {
            text += "  (";
            text += joinCodes(alsoAccepted);
            text += " also works)";
        }
        text += '\n';
    }
    return text;
}

std::string fontCodeListText(PaliFontKind kind) {
    std::string text;
    for (const PaliLetter& letter : paliLetters()) {
        text += fourDigits(fontCharacter(letter.number, kind));
        text += '\t';
        text += letter.name;
        const int shared = firstLetterWithSameCharacter(letter.number, kind);
        if (shared != letter.number) {
            text += " (none of its own: the same character as ";
            text += letterName(shared);
            text += ')';
        }
        text += '\n';
    }
    return text;
}

std::string overdotMFontListText() {
    std::string text;
    for (const PaliFontKind kind : kPaliFonts) {
        text += paliFontName(kind);
        text += ": ";
        const int shared = firstLetterWithSameCharacter(kOverdotM, kind);
        if (shared == kOverdotM) {
            text += "has overdot m, at code ";
            text += fourDigits(fontCharacter(kOverdotM, kind));
        } else {
            text += "has none; !m gives ";
            text += letterName(shared);
            text += " (code ";
            text += fourDigits(fontCharacter(kOverdotM, kind));
            text += ')';
        }
        text += '\n';
    }
    return text;
}

}  // namespace sorvel
