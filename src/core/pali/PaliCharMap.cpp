#include "pali/PaliCharMap.h"

#include <algorithm>

#include "common/Cp1252.h"
#include "pali/PaliLetters.h"
#include "pali/PaliUnicode.h"

namespace sorvel {

namespace {

constexpr int kUnderdotM = 11;
constexpr int kOverdotM = 13;

}  // namespace

PaliCharMap::PaliCharMap(PaliFontKind kind, bool overdotM) : kind_(kind) {
    const bool pali = isPaliFont(kind);
    std::array<bool, 256> isLetterByte{};
    if (pali) {
        for (const PaliLetter& letter : paliLetters()) {
            isLetterByte[fontCharacter(letter.number, kind)] = true;
        }
    }
    latin_.fill(-1);
    std::vector<std::pair<char32_t, uint8_t>> others;
    auto map = [&](char32_t ch, uint8_t byte) {
        if (ch < 0x100) {
            latin_[ch] = byte;
        } else {
            others.emplace_back(ch, byte);
        }
    };
    for (int b = 0; b < 256; ++b) {
        chars_[b] = Cp1252::toUnicode(static_cast<uint8_t>(b));
        if (!isLetterByte[b]) {
            map(chars_[b], static_cast<uint8_t>(b));
        }
    }
    if (pali) {
        // Letters last: in a font that places tilde n elsewhere, its letter
        // byte wins over the Windows-1252 byte of the same character.
        for (const PaliLetter& letter : paliLetters()) {
            map(paliLetterUnicode(letter.number), fontCharacter(letter.number, kind));
        }
        // The byte of the two dotted m's reads as one of them; the other
        // letters' bytes are their own.
        for (const PaliLetter& letter : paliLetters()) {
            const int n = letter.number;
            const uint8_t byte = fontCharacter(n, kind);
            const bool shared = fontCharacter(kUnderdotM, kind) == fontCharacter(kOverdotM, kind) &&
                                (n == kUnderdotM || n == kOverdotM);
            if (!shared) {
                chars_[byte] = paliLetterUnicode(n);
            }
        }
        if (fontCharacter(kUnderdotM, kind) == fontCharacter(kOverdotM, kind)) {
            chars_[fontCharacter(kUnderdotM, kind)] =
                paliLetterUnicode(overdotM ? kOverdotM : kUnderdotM);
        }
    }
    // No character beyond Latin-1 is both a letter and a Windows-1252
    // character, so each appears once.
    std::sort(others.begin(), others.end());
    others_ = std::move(others);
}

const PaliCharMap& PaliCharMap::of(PaliFontKind kind, bool overdotM) {
    static const std::array<PaliCharMap, 11> maps = [] {
        std::array<PaliCharMap, 11> m = {
            PaliCharMap(PaliFontKind::NoPaliFont, false),
            PaliCharMap(kPaliFonts[0], false),
            PaliCharMap(kPaliFonts[1], false),
            PaliCharMap(kPaliFonts[2], false),
            PaliCharMap(kPaliFonts[3], false),
            PaliCharMap(kPaliFonts[4], false),
            PaliCharMap(kPaliFonts[0], true),
            PaliCharMap(kPaliFonts[1], true),
            PaliCharMap(kPaliFonts[2], true),
            PaliCharMap(kPaliFonts[3], true),
            PaliCharMap(kPaliFonts[4], true),
        };
        return m;
    }();
    if (!isPaliFont(kind)) {
        return maps[0];
    }
    return maps[static_cast<std::size_t>(1 + paliFontIndex(kind) + (overdotM ? 5 : 0))];
}

std::optional<uint8_t> PaliCharMap::toByteBeyondLatin1(char32_t ch) const {
    auto it = std::lower_bound(others_.begin(), others_.end(), ch,
                               [](const auto& e, char32_t c) { return e.first < c; });
    if (it == others_.end() || it->first != ch) {
        return std::nullopt;
    }
    return it->second;
}

void PaliCharMap::decode(std::string_view bytes, std::u32string& out) const {
    const std::size_t at = out.size();
    out.resize(at + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[at + i] = chars_[static_cast<uint8_t>(bytes[i])];
    }
}

}  // namespace sorvel
