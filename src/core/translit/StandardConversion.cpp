#include "translit/StandardConversion.h"

#include <array>
#include <utility>

#include "pali/KeystrokeTables.h"
#include "pali/TextReplace.h"
#include "palifont/DefaultPaliFont.h"
#include "translit/FormattedRewrite.h"

namespace sorvel {

namespace {

constexpr std::string_view kNothingSelectedMessage =
    "You did not select any text to convert! Please select some text.";

// The letters that standard transliteration writes with a double quote.
constexpr std::array<char, 4> kOverdotLetters = {'n', 'N', 'm', 'M'};

template <class Text>
void applyTable(Text& text, PaliFontKind kind, bool codesToLetters) {
    if (!isPaliFont(kind)) {
        return;
    }
    for (const CodePair& pair : keystrokeTable(kind)) {
        if (pair.code == kEndCode) {
            break;
        }
        if (codesToLetters) {
            replaceAll(text, pair.code, pair.replacement);
        } else {
            replaceAll(text, pair.replacement, pair.code);
        }
    }
}

// The conversions written once for plain and for traced text.
template <class Text>
void toPali(Text& text, PaliFontKind kind) {
    for (const char c : kOverdotLetters) {
        replaceAll(text, std::string{' ', '"', c}, std::string{' ', '/', '&', c});
    }
    for (const char c : kOverdotLetters) {
        replaceAll(text, std::string{'"', c}, std::string{'!', c});
    }
    applyTable(text, kind, true);
    for (const char c : kOverdotLetters) {
        replaceAll(text, std::string{' ', '/', '&', c}, std::string{' ', '"', c});
    }
}

template <class Text>
void toStandard(Text& text, PaliFontKind kind) {
    applyTable(text, kind, false);
    for (const char c : kOverdotLetters) {
        replaceAll(text, std::string{'!', c}, std::string{'"', c});
    }
}

// The steps both conversions share; false when the command is to stop.
bool beginConversion(ViewContext& view) {
    const Selection sel = view.surface.getSel();
    if (sel.empty()) {
        view.platform.messageBox(kNothingSelectedMessage);
        return false;
    }
    if (view.state.defaultPaliFormat.faceName.empty()) {
        changeDefaultPaliFont(view);
        if (view.state.defaultPaliFormat.faceName.empty()) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string standardToPaliText(std::string text, PaliFontKind kind) {
    toPali(text, kind);
    return text;
}

TracedText standardToPaliText(TracedText text, PaliFontKind kind) {
    toPali(text, kind);
    return text;
}

std::string paliToStandardText(std::string text, PaliFontKind kind) {
    toStandard(text, kind);
    return text;
}

TracedText paliToStandardText(TracedText text, PaliFontKind kind) {
    toStandard(text, kind);
    return text;
}

void standardToPaliFont(ViewContext& view) {
    if (!beginConversion(view)) {
        return;
    }
    // The default Pali font is never taken for the user table's font here.
    const PaliFontKind kind = paliFontByPrefix(view.state.defaultPaliFormat.faceName);
    // The text takes the default Pali font's face; its size, style and
    // colour are each character's own, as they were.
    FontDescription font = view.state.defaultPaliFormat;
    font.mask &= charmask::Face | charmask::CharSet;
    FormattedRewrite::rewriteSelection(
        view, [kind](TracedText& text) { text = standardToPaliText(std::move(text), kind); },
        &font);
}

void paliFontToStandard(ViewContext& view) {
    if (!beginConversion(view)) {
        return;
    }
    const PaliFontKind kind = paliFontByPrefix(view.state.defaultPaliFormat.faceName);
    FormattedRewrite::rewriteSelection(
        view, [kind](TracedText& text) { text = paliToStandardText(std::move(text), kind); });
}

}  // namespace sorvel
