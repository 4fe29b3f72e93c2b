#include "translit/PaliFontConversion.h"

#include <array>
#include <cstring>

#include "editor/FontDialogRules.h"
#include "pali/PaliLetters.h"
#include "translit/FormattedRewrite.h"
#include "translit/IdentifyPaliFont.h"

namespace sorvel {

namespace {

constexpr std::string_view kNoSourceMessage =
    "Does the selected text use ANY Pali font? Please be certain that you have only selected "
    "text that uses a Pali font and that it uses only ONE of the Pali fonts.\n\nThe fonts "
    "supported are:\n\n1. VriRomanPali\n2. Times_CSX+\n3. SKT_Times\n4. LeedsBit "
    "PaliTranslit\n5. Times_Norman\n\n\nIf you wish to convert text that has no Pali special "
    "characters in it, you can just use the regular 'Choose a Font' button in the toolbar.";

constexpr std::string_view kNoTargetMessage =
    "You did not select a Pali font as your preferred font. Only the following Pali fonts have "
    "the Pali special characters.\n\nThe fonts supported are:\n\n1. VriRomanPali\n2. "
    "Times_CSX+\n3. SKT_Times\n4. LeedsBit PaliTranslit\n5. Times_Norman\n\n\nIf you wish to "
    "convert text that has no Pali special characters in it, you can just use the regular "
    "'Choose a Font' button in the toolbar.";

}  // namespace

std::string& convertPaliFontText(std::string& text, PaliFontKind source, PaliFontKind target) {
    const std::array<uint8_t, 256> sourceLetters = lettersOfFont(source);
    if (isPaliFont(target)) {
        // Every letter and every code becomes one byte: the text only shrinks,
        // so it is rewritten in place.
        std::array<uint8_t, 256> map;
        for (int b = 0; b < 256; ++b) {
            const int letter = sourceLetters[b];
            map[b] = letter ? fontCharacter(letter, target) : static_cast<uint8_t>(b);
        }
        // Stretches without '[' go through the table in a tight loop; only at a
        // '[' can an intermediate code start.
        char* p = text.data();
        const std::size_t n = text.size();
        std::size_t r = 0;
        std::size_t w = 0;
        while (r < n) {
            const void* found = std::memchr(p + r, '[', n - r);
            const std::size_t stop =
                found ? static_cast<std::size_t>(static_cast<const char*>(found) - p) : n;
            const auto* src = reinterpret_cast<const uint8_t*>(p + r);
            auto* dst = reinterpret_cast<uint8_t*>(p + w);
            const std::size_t length = stop - r;
            for (std::size_t i = 0; i < length; ++i) {
                dst[i] = map[src[i]];
            }
            r += length;
            w += length;
            if (r == n) {
                break;
            }
            if (const int letter = intermediateCodeLetter(std::string_view(text).substr(r, 6))) {
                p[w++] = static_cast<char>(fontCharacter(letter, target));
                r += 6;
            } else {
                p[w++] = '[';
                ++r;
            }
        }
        text.resize(w);
        return text;
    }
    if (isPaliFont(source)) {
        std::string out;
        out.reserve(text.size() + text.size() / 8);
        for (const char ch : text) {
            const int letter = sourceLetters[static_cast<uint8_t>(ch)];
            if (letter) {
                out += intermediateCode(letter);
            } else {
                out += ch;
            }
        }
        text.swap(out);
    }
    return text;
}

TracedText convertPaliFontText(const TracedText& text, PaliFontKind source, PaliFontKind target) {
    // The one-pass conversion above, keeping each character's origin: a
    // letter and its intermediate code stand for each other whole, so what
    // one becomes comes from the first character of the other.
    const std::array<uint8_t, 256> sourceLetters = lettersOfFont(source);
    const std::string& in = text.text();
    TracedText out;
    for (std::size_t i = 0; i < in.size();) {
        const int32_t origin = text.originAt(i);
        const int letter = sourceLetters[static_cast<uint8_t>(in[i])];
        const int code =
            in[i] == '[' ? intermediateCodeLetter(std::string_view(in).substr(i, 6)) : 0;
        if (isPaliFont(target) && (letter || code)) {
            out.push(static_cast<char>(fontCharacter(letter ? letter : code, target)), origin);
        } else if (letter) {
            for (const char c : intermediateCode(letter)) {
                out.push(c, origin);
            }
        } else if (code) {
            // Stays an intermediate code: no target font to write it in.
            for (std::size_t k = 0; k < 6; ++k) {
                out.push(in[i + k], text.originAt(i + k));
            }
        } else {
            out.push(in[i], origin);
        }
        i += code ? 6 : 1;
    }
    return out;
}

void convertPaliFontOfSelection(ViewContext& view) {
    RichEditSurface& surface = view.surface;
    const FontDescription selectionFormat = surface.getCharFormatSelection();
    const PaliFontKind source = identifyPaliFont(selectionFormat.faceName, view.state);
    if (source == PaliFontKind::NoPaliFont) {
        view.platform.messageBox(kNoSourceMessage);
        return;
    }
    const auto chosen = FontDialogRules::run(view.platform, selectionFormat);
    if (!chosen) {
        return;
    }
    const PaliFontKind target = identifyPaliFont(chosen->faceName, view.state);
    if (target == PaliFontKind::NoPaliFont) {
        view.platform.messageBox(kNoTargetMessage);
        return;
    }
    if (surface.getSel().empty()) {
        surface.setCharFormat(*chosen);
        return;
    }
    // The chosen font goes onto every character and the letters are
    // rewritten run by run, in one step of undo; the rest of each
    // character's format and every paragraph's format stay.
    const FontDescription applied = *chosen;
    FormattedRewrite::rewriteSelection(
        view,
        [source, target](TracedText& text) { text = convertPaliFontText(text, source, target); },
        &applied);
}

}  // namespace sorvel
