#include "translit/StandardConversion.h"

#include <array>
#include <utility>

#include "pali/KeystrokeTables.h"
#include "pali/ReplaceSteps.h"
#include "palifont/DefaultPaliFont.h"
#include "translit/FormattedRewrite.h"

namespace sorvel {

namespace {

constexpr std::string_view kNothingSelectedMessage =
    "You did not select any text to convert! Please select some text.";

// The letters that standard transliteration writes with a double quote.
constexpr std::array<char, 4> kOverdotLetters = {'n', 'N', 'm', 'M'};

// The table's pairs as steps: codes to letters, or letters to codes.
void addTableSteps(ReplaceSteps& steps, PaliFontKind kind, bool codesToLetters) {
    if (!isPaliFont(kind)) {
        return;
    }
    for (const CodePair& pair : keystrokeTable(kind)) {
        if (pair.code == kEndCode) {
            break;
        }
        if (codesToLetters) {
            steps.push_back({pair.code, pair.replacement});
        } else {
            steps.push_back({pair.replacement, pair.code});
        }
    }
}

ReplaceSteps standardToPaliSteps(PaliFontKind kind) {
    ReplaceSteps steps;
    // An opening quote after a blank is held apart while the codes are read.
    for (const char c : kOverdotLetters) {
        steps.push_back({std::string{' ', '"', c}, std::string{' ', '/', '&', c}});
    }
    for (const char c : kOverdotLetters) {
        steps.push_back({std::string{'"', c}, std::string{'!', c}});
    }
    addTableSteps(steps, kind, true);
    for (const char c : kOverdotLetters) {
        steps.push_back({std::string{' ', '/', '&', c}, std::string{' ', '"', c}});
    }
    return steps;
}

ReplaceSteps paliToStandardSteps(PaliFontKind kind) {
    ReplaceSteps steps;
    addTableSteps(steps, kind, false);
    for (const char c : kOverdotLetters) {
        steps.push_back({std::string{'!', c}, std::string{'"', c}});
    }
    return steps;
}

// The selection's range after the steps both conversions share, or nothing
// when the command is to stop.
std::optional<Selection> beginConversion(ViewContext& view) {
    const Selection sel = view.surface.getSel();
    if (sel.empty()) {
        view.platform.messageBox(kNothingSelectedMessage);
        return std::nullopt;
    }
    if (view.state.defaultPaliFormat.faceName.empty()) {
        changeDefaultPaliFont(view);
        if (view.state.defaultPaliFormat.faceName.empty()) {
            return std::nullopt;
        }
    }
    return sel;
}

}  // namespace

std::string standardToPaliText(std::string text, PaliFontKind kind) {
    applySteps(text, standardToPaliSteps(kind));
    return text;
}

TracedText standardToPaliText(TracedText text, PaliFontKind kind) {
    applySteps(text, standardToPaliSteps(kind));
    return text;
}

std::string paliToStandardText(std::string text, PaliFontKind kind) {
    applySteps(text, paliToStandardSteps(kind));
    return text;
}

TracedText paliToStandardText(TracedText text, PaliFontKind kind) {
    applySteps(text, paliToStandardSteps(kind));
    return text;
}

std::unique_ptr<TextFilter> standardToPaliFilter(PaliFontKind kind) {
    return stepsFilter(standardToPaliSteps(kind));
}

std::unique_ptr<TextFilter> paliToStandardFilter(PaliFontKind kind) {
    return stepsFilter(paliToStandardSteps(kind));
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
